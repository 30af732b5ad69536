// The user's actions reaching the plug-in through the window: menus send
// normalised values, right clicks only arm learning, touch recording follows
// the Offset knob, and the tempo field accepts or rejects what was typed.
#include <gtest/gtest.h>

#include "editor/LoopScope.h"
#include "editor/StutterEditor.h"
#include "editor/TouchSlider.h"
#include "editor/TouchKnob.h"
#include "params/ParameterIds.h"
#include "plugin/StutterEffectEdit.h"
#include "tests/host/TestHost.h"
#include "widgets/EditorFrame.h"
#include "widgets/MenuPopup.h"
#include "widgets/MouseButtons.h"
#include "widgets/OptionMenu.h"
#include "widgets/StripKnob.h"
#include "widgets/TextEntry.h"
#include "widgets/ValueDisplay.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

AEffect* createHere(audioMasterCallback audioMaster) {
    return (new StutterEffectEdit(audioMaster))->getAeffect();
}

Point middleOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

struct EditorActionsTest : ::testing::Test {
    TestHost host;
    AEffect* effect = host.instantiate(createHere);
    StutterEditor* editor = nullptr;

    void SetUp() override {
        editor = static_cast<StutterEditor*>(static_cast<StutterEffectEdit*>(effect->object)->getEditor());
        editor->setWindowFactory(createHeadlessWindow);
        ASSERT_EQ(effect->dispatcher(effect, effEditOpen, 0, 0, this, 0.0f), 1);
        idle();
        host.clearCalls();
    }
    void TearDown() override { effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f); }
    void idle() { effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f); }
    EditorFrame& frame() { return *editor->getFrame(); }
    const EditorControls& controls() { return editor->getControls(); }
    float p(int index) { return effect->getParameter(effect, index); }
    std::vector<HostCall> automation() {
        std::vector<HostCall> found;
        for (const HostCall& call : host.calls())
            if (call.opcode == audioMasterAutomate) found.push_back(call);
        return found;
    }
    void click(Point where, int buttons = kLButton) {
        frame().onMouseDown(where, buttons);
        frame().onMouseUp(where, 0);
    }
};

TEST_F(EditorActionsTest, ChoosingAMenuEntrySendsItsNormalisedValueAndTheHostsValueShowsItAgain) {
    click({40, 343});  // the Rec Sync menu opens
    auto* popup = dynamic_cast<MenuPopup*>(frame().getModalView());
    ASSERT_NE(popup, nullptr);
    click(middleOf(popup->entryRect(0, 3)));  // "1/4"
    const auto sent = automation();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].index, kRecSync);
    EXPECT_FLOAT_EQ(sent[0].opt, 0.3f);
    controls().recSyncMenu->setValue(0.0f);
    effect->setParameter(effect, kRecSync, 0.3f);
    idle();
    EXPECT_EQ(controls().recSyncMenu->getCurrentIndex(), 3);
}

TEST_F(EditorActionsTest, CommandMenusSendTheirEntryNumber) {
    click({11, 321});  // the MIDI menu
    auto* popup = dynamic_cast<MenuPopup*>(frame().getModalView());
    ASSERT_NE(popup, nullptr);
    click(middleOf(popup->entryRect(0, 2)));  // "Randomize Knobs"
    const auto sent = automation();
    ASSERT_GE(sent.size(), 1u);
    EXPECT_EQ(sent[0].index, kCmdMidiAction);
    EXPECT_FLOAT_EQ(sent[0].opt, 2.0f);
}

TEST_F(EditorActionsTest, RightClickOnTheGateKnobOnlyArmsLearning) {
    const float gate = p(kGate);
    click({20, 231}, kRButton);
    EXPECT_TRUE(automation().empty());
    EXPECT_FLOAT_EQ(p(kGate), gate);
    EXPECT_FLOAT_EQ(controls().gateKnob->getValue(), gate);
}

TEST_F(EditorActionsTest, WithTouchRecOnTheOffsetKnobRecordsWhileHeld) {
    effect->setParameter(effect, kTouchRec, 1.0f);
    idle();
    ASSERT_EQ(editor->getTouchRecMode(), 1);
    effect->setParameter(effect, kRecord, 0.0f);
    const Point centre{249, 235};
    frame().onMouseDown(centre, kLButton);
    frame().onMouseMoved(centre.offset(3, 0), kLButton);
    EXPECT_FLOAT_EQ(p(kRecord), 1.0f);  // touching starts recording
    frame().onMouseUp(centre.offset(3, 0), 0);
    EXPECT_FLOAT_EQ(p(kRecord), 0.0f);  // letting go stops it
}

TEST_F(EditorActionsTest, TempoFieldAccepts140AndRejects12345) {
    TextEntry* entry = controls().tempoEntry;
    entry->setText("140");
    editor->valueChanged(frame().context(), entry);
    auto sent = automation();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].index, kCmdTempoLength);
    EXPECT_FLOAT_EQ(sent[0].opt, 140.0f);

    host.clearCalls();
    for (const char* rejected : {"12345", "-5"}) {
        entry->setText(rejected);
        editor->valueChanged(frame().context(), entry);
        EXPECT_TRUE(automation().empty()) << rejected;
        char expected[32];
        std::snprintf(expected, sizeof expected, "%.1f", editor->tempoFromLoop(p(kLength), p(kOffset)));
        EXPECT_STREQ(entry->getText(), expected) << rejected;
    }
}

TEST_F(EditorActionsTest, MixAtItsEndStopsATouchRecording) {
    effect->setParameter(effect, kTouchRec, 1.0f);
    idle();
    effect->setParameter(effect, kRecord, 0.0f);
    frame().onMouseDown({40, 270}, kLButton);  // the handle's centre follows the pointer
    EXPECT_FLOAT_EQ(p(kRecord), 1.0f);
    frame().onMouseMoved({200, 270}, kLButton);  // far past the end: Mix 1.0
    EXPECT_FLOAT_EQ(p(kMix), 1.0f);
    EXPECT_FLOAT_EQ(p(kRecord), 0.0f);
    frame().onMouseUp({200, 270}, 0);
}

TEST_F(EditorActionsTest, ShuffleShowsItsReadoutWhileDraggedAndSendsNothingOnRelease) {
    editor->setKnobMode(2);  // linear drags
    frame().onMouseDown({20, 206}, kLButton);
    frame().onMouseMoved({20, 186}, kLButton);
    char value[64] = {};
    char label[64] = {};
    effect->dispatcher(effect, effGetParamDisplay, kShuffle, 0, value, 0.0f);
    effect->dispatcher(effect, effGetParamLabel, kShuffle, 0, label, 0.0f);
    EXPECT_EQ(std::string(controls().loopScope->getScopeText()), std::string(value) + " " + label);
    const size_t sent = automation().size();
    frame().onMouseUp({20, 186}, 0);
    editor->setKnobMode(0);
    EXPECT_STREQ(controls().loopScope->getScopeText(), "");
    EXPECT_EQ(automation().size(), sent);
}

TEST_F(EditorActionsTest, BpmSyncSendsTheOneBarLengthOperation) {
    click({270, 80});  // left of the tempo field: the invisible BPM Sync area
    const auto sent = automation();
    ASSERT_FALSE(sent.empty());
    for (const HostCall& call : sent) {
        EXPECT_EQ(call.index, kCmdLengthOp);
        EXPECT_FLOAT_EQ(call.opt, 0.0f);
    }
    EXPECT_FLOAT_EQ(controls().lengthKnob->getDefaultValue(), p(kLength));
}

TEST_F(EditorActionsTest, ClickingTheDisplaysSwitchesTheirUnitsWithoutTellingThePlugin) {
    char text[256];
    click({220, 124});  // the Length display: samples, in white
    controls().lengthDisplay->getDisplayText(text);
    EXPECT_STRNE(text, "1 Bar");
    EXPECT_EQ(controls().lengthDisplay->getFontColor(), kWhiteColor);
    click({220, 124});  // and back to bars
    controls().lengthDisplay->getDisplayText(text);
    EXPECT_EQ(std::string(text).find(':') != std::string::npos || std::string(text).find("Bar") != std::string::npos, true) << text;
    click({240, 175});  // the Offset display: samples
    EXPECT_EQ(controls().offsetDisplay->getFontColor(), kWhiteColor);
    EXPECT_TRUE(automation().empty());
}

}  // namespace
