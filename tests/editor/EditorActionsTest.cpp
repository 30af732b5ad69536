// The user's actions reaching the plug-in through the window: command menus
// and BPM Sync send their operations, right clicks and the displays' units
// stay in the window, touch recording follows the touch handles, the tempo
// field shows the loop's tempo and refuses what it cannot use, and a knob
// shows its readout while dragged and takes the arrow keys after; the filter
// menu's entries name the designs they select.
#include "tests/editor/HeadlessEditor.h"

#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "params/RangeMapper.h"
#include "tests/engine/EngineTestSupport.h"
#include "widgets/MenuPopup.h"
#include "widgets/TextEntry.h"
#include "widgets/ValueDisplay.h"
#include "widgets/VirtualKeys.h"

namespace {

using EditorActionsTest = OpenEditor;

TEST_F(EditorActionsTest, BpmSyncAndCommandMenusSendTheirOperations) {
    plugin.click({270, 80});  // left of the tempo field: the invisible BPM Sync area
    auto sent = automation();
    ASSERT_FALSE(sent.empty());
    for (const HostCall& call : sent) {
        EXPECT_EQ(call.index, kCmdLengthOp);
        EXPECT_FLOAT_EQ(call.opt, 0.0f);  // the one-bar length
    }
    EXPECT_FLOAT_EQ(plugin.controls().lengthKnob->getDefaultValue(), plugin.p(kLength));

    host.clearCalls();
    plugin.click({11, 321});  // the MIDI menu
    auto* popup = dynamic_cast<MenuPopup*>(plugin.frame().getModalView());
    ASSERT_NE(popup, nullptr);
    plugin.click(middleOf(popup->entryRect(0, 2)));  // "Randomize Knobs"
    sent = automation();
    ASSERT_GE(sent.size(), 1u);
    EXPECT_EQ(sent[0].index, kCmdMidiAction);
    EXPECT_FLOAT_EQ(sent[0].opt, 2.0f);  // command menus send their entry number
}

TEST_F(EditorActionsTest, RightClicksAndTheDisplaysUnitsStayInTheWindow) {
    const float gate = plugin.p(kGate);
    plugin.click({20, 231}, kRButton);  // on the Gate knob: only arms learning
    EXPECT_FLOAT_EQ(plugin.p(kGate), gate);
    EXPECT_FLOAT_EQ(plugin.controls().gateKnob->getValue(), gate);

    ValueDisplay* length = plugin.controls().lengthDisplay;
    char text[256];
    // The one-bar loop in samples, in white, and back to bars.
    for (auto [shown, white] : {std::pair{"88200", true}, {"1 Bar", false}}) {
        plugin.click({220, 124});
        length->getDisplayText(text);
        EXPECT_STREQ(text, shown);
        EXPECT_EQ(length->getFontColor() == kWhiteColor, white) << shown;
    }
    plugin.click({240, 175});  // the Offset display: samples
    EXPECT_EQ(plugin.controls().offsetDisplay->getFontColor(), kWhiteColor);
    EXPECT_TRUE(automation().empty());
}

TEST_F(EditorActionsTest, TouchRecSwitchesTheHandlesAndHoldingOneRecords) {
    const EditorControls& controls = plugin.controls();
    EditorFrame& frame = plugin.frame();
    plugin.set(kTouchRec, 1.0f);
    plugin.idle();
    EXPECT_EQ(controls.lengthKnob->getTouchMode(), 1);
    EXPECT_EQ(controls.offsetKnob->getTouchMode(), 1);
    EXPECT_EQ(controls.mixSlider->getTouchMode(), 1);

    plugin.set(kRecord, 0.0f);
    const Point offsetKnob{249, 235};
    frame.onMouseDown(offsetKnob, kLButton);
    frame.onMouseMoved(offsetKnob.offset(3, 0), kLButton);
    EXPECT_FLOAT_EQ(plugin.p(kRecord), 1.0f);  // touching starts recording
    frame.onMouseUp(offsetKnob.offset(3, 0), 0);
    EXPECT_FLOAT_EQ(plugin.p(kRecord), 0.0f);  // letting go stops it

    frame.onMouseDown({40, 270}, kLButton);  // the Mix handle's centre follows the pointer
    EXPECT_FLOAT_EQ(plugin.p(kRecord), 1.0f);
    frame.onMouseMoved({200, 270}, kLButton);  // far past the end: Mix at 1 stops the recording
    EXPECT_FLOAT_EQ(plugin.p(kMix), 1.0f);
    EXPECT_FLOAT_EQ(plugin.p(kRecord), 0.0f);
    frame.onMouseUp({200, 270}, 0);

}

// The field shows the loop read as one bar, folded to at most 240 BPM. Typed
// tempi that are taken are checked with real keys in the window test.
TEST_F(EditorActionsTest, TheTempoFieldShowsTheLoopAsOneBarAndRefusesTempiOutOfRange) {
    // A Length value whose loop is exactly `frames` long.
    const auto lengthValueFor = [](int32_t frames) {
        RangeMapper mapper;
        float v = static_cast<float>(mapper.lengthToNormal(frames));
        while (mapper.lengthFromNormal(v) < frames) v = std::nextafter(v, 2.0f);
        while (mapper.lengthFromNormal(v) > frames) v = std::nextafter(v, -1.0f);
        return v;
    };
    StutterEditor* editor = plugin.editor();  // at 44.1 kHz
    for (auto [frames, tempo] : {std::pair{44100, 240.0f}, {22050, 240.0f}, {88200, 120.0f}, {176400, 60.0f}})
        EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(frames), 0.5f), tempo) << frames;
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(0.0f, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(1000), 1.0f), 0.0f);  // span below 0

    TextEntry* entry = plugin.controls().tempoEntry;
    for (const char* refused : {"12345", "-5"}) {
        entry->setText(refused);
        editor->valueChanged(plugin.frame().context(), entry);
        EXPECT_TRUE(automation().empty()) << refused;
        EXPECT_STREQ(entry->getText(), "120.0") << refused;  // the one-bar loop's tempo again
    }
}

TEST_F(EditorActionsTest, ADraggedKnobShowsItsReadoutAndTakesTheArrowKeysAfter) {
    plugin.editor()->setKnobMode(2);  // linear drags
    plugin.frame().onMouseDown({20, 206}, kLButton);
    plugin.frame().onMouseMoved({20, 186}, kLButton);
    char value[64] = {};
    plugin.dispatch(effGetParamDisplay, kShuffle, 0, value);
    EXPECT_EQ(std::string(plugin.controls().loopScope->getScopeText()).find(value), 0u);
    plugin.frame().onMouseUp({20, 186}, 0);
    plugin.editor()->setKnobMode(0);
    EXPECT_STREQ(plugin.controls().loopScope->getScopeText(), "");

    // The knob pressed last takes the host's arrow keys; other keys stay the host's.
    const float before = plugin.p(kShuffle);
    EXPECT_EQ(plugin.dispatch(effEditKeyDown, 0, kVKeyDown, nullptr, kModifierShift), 1);
    EXPECT_NEAR(plugin.p(kShuffle), before - 0.01f, 1e-6);
    EXPECT_EQ(plugin.dispatch(effEditKeyDown, 'q'), 0);
}

// Gains at 50 Hz, at the filter's 2010 Hz and at 20 kHz of a filter type
// value, Filter gain at +16 dB, through the built plug-in.
std::vector<double> designGains(float filterType) {
    using namespace engine_test;
    std::vector<double> gains;
    for (const double hz : {50.0, 2010.0, 20000.0}) {
        TestHost host;
        PluginInstance instance(host);
        plainLoop(instance, kMaxLoopSamples);
        instance.set(kFilterGain, 1.0f);
        instance.set(kFilterType, filterType);
        instance.set(kRecord, 1.0f);
        const Stereo in = sine(16384, hz, 44100.0, 0.1);  // +16 dB stays below full scale
        gains.push_back(levelRatio(in.left, Driver{host, instance}.run(in).left));
    }
    return gains;
}

TEST_F(EditorActionsTest, TheFilterMenuNamesTheDesignsItSelects) {
    // What each design does to 50 Hz, 2010 Hz and 20 kHz: 0 stopped, 1
    // passed, 6.3 boosted by 16 dB, 2.8 the low-pass resonance.
    const std::map<std::string, std::vector<double>> expected = {
        {"Off", {1, 1, 1}}, {"LPF", {1, 2.8, 0}},   {"HPF", {0, 2.8, 1}},   {"BPF", {0, 1, 0}},
        {"NTC", {1, 0, 1}}, {"PEQ", {1, 6.3, 1}}, {"LSH", {6.3, 2.5, 1}}, {"HSH", {1, 2.5, 6.3}}};
    OptionMenu* menu = plugin.controls().filterTypeMenu;
    ASSERT_EQ(plugin.controls().filterMenu->getSubMenu(0), menu);
    EXPECT_EQ(menu->getNbEntries(), 8);
    for (int entry = 0; entry < menu->getNbEntries(); ++entry) {
        host.clearCalls();
        menu->setValue(static_cast<float>(entry));  // as the popup reports a choice
        plugin.editor()->valueChanged(plugin.frame().context(), menu);
        const float sent = automation().at(0).opt;
        EXPECT_EQ(sent, static_cast<float>(entry) / 8.0f);
        const std::string name = menu->getEntry(entry);
        const std::vector<double> gains = designGains(sent);
        for (size_t k = 0; k < gains.size(); ++k)
            EXPECT_NEAR(gains[k], expected.at(name)[k], 0.15 * expected.at(name)[k] + 0.05)
                << name << " at " << k;
    }
    // Stored values show the design they play: a value of the old seven-entry
    // menu (i / 7) selects design i, and a value with no design shows "Off".
    for (const auto& [value, shown] : {std::pair{4.0f / 7.0f, 4}, {6.0f / 7.0f, 6}, {0.95f, 7},
                                       {1.0f, 0}, {0.125f, 1}}) {
        plugin.set(kFilterType, value);
        plugin.idle();
        EXPECT_EQ(menu->getCurrentIndex(), shown) << value;
    }
}

}  // namespace
