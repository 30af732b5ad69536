// The editor object inside the test program, with a headless window: its
// construction, life cycle, display context and tempo reading, and the edits
// its controls make reaching the host.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "editor/StutterEditor.h"
#include "params/ParameterIds.h"
#include "params/RangeMapper.h"
#include "plugin/StutterEffectEdit.h"
#include "tests/host/TestHost.h"
#include "widgets/EditorFrame.h"
#include "widgets/StripKnob.h"
#include "widgets/VirtualKeys.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

AEffect* createHere(audioMasterCallback audioMaster) {
    return (new StutterEffectEdit(audioMaster))->getAeffect();
}

// One plug-in instance built into the test program, its editor on a headless window.
struct Instance {
    explicit Instance(TestHost& host) : effect(host.instantiate(createHere)) {
        editor()->setWindowFactory(createHeadlessWindow);
    }
    ~Instance() { dispatch(effClose); }
    VstIntPtr dispatch(VstInt32 opcode, VstIntPtr value = 0, void* ptr = nullptr) {
        return effect->dispatcher(effect, opcode, 0, value, ptr, 0.0f);
    }
    StutterEditor* editor() {
        auto* plugin = static_cast<StutterEffectEdit*>(effect->object);
        return static_cast<StutterEditor*>(plugin->getEditor());
    }
    bool open() { return dispatch(effEditOpen, 0, this) == 1; }
    AEffect* effect;
};

// A Length value whose loop is exactly `frames` long.
float lengthValueFor(int32_t frames) {
    RangeMapper mapper;
    float v = static_cast<float>(mapper.lengthToNormal(frames));
    while (mapper.lengthFromNormal(v) < frames) v = std::nextafter(v, 2.0f);
    while (mapper.lengthFromNormal(v) > frames) v = std::nextafter(v, -1.0f);
    return v;
}

TEST(EditorShell, IsAttachedAtConstructionAndOpensWithThePanel) {
    TestHost host;
    Instance plugin(host);
    EXPECT_EQ(plugin.effect->flags, effFlagsHasEditor | effFlagsCanReplacing);
    StutterEditor* editor = plugin.editor();
    EXPECT_EQ(editor->isOpened(), 0);
    EXPECT_EQ(editor->getFrame(), nullptr);
    plugin.dispatch(effEditIdle);  // nothing to do, nothing happens

    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(plugin.open());
        EXPECT_EQ(editor->isOpened(), 1);
        ASSERT_NE(editor->getFrame(), nullptr);
        EXPECT_EQ(editor->getFrame()->getBackground()->getResourceId(), 127);
        plugin.dispatch(effEditIdle);
        Bitmap* panel = editor->getFrame()->getBackground();
        cairo_surface_flush(panel->surface());
        const auto* first = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(panel->surface()));
        const Color shown = pictureColorAt(*editor->getFrame(), {0, 0});
        EXPECT_EQ((uint32_t{shown.red} << 16) | (uint32_t{shown.green} << 8) | shown.blue,
                  first[0] & 0xFFFFFF);
        // A picture of the panel for a person to look at, beside the test.
        if (round == 0) {
            EXPECT_TRUE(savePicture(*editor->getFrame(), ZARVOLINE_PICTURE_DIR "/editor-panel.png"));
        }
        plugin.dispatch(effEditClose);
        EXPECT_EQ(editor->isOpened(), 0);
        EXPECT_EQ(editor->getFrame(), nullptr);
    }
}

TEST(EditorShell, TempoFromLoopReadsTheSpanAsOneBarFoldedTo240) {
    TestHost host;
    host.provideTime = false;  // 44100 Hz by default
    Instance plugin(host);
    StutterEditor* editor = plugin.editor();
    const float centre = 0.5f;  // no offset
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(44100), centre), 240.0f);
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(22050), centre), 240.0f);
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(88200), centre), 120.0f);
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(176400), centre), 60.0f);
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(0.0f, centre), 0.0f);
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(1000), 1.0f), 0.0f);  // span below 0
}

TEST(EditorShell, DisplayContextComesFromTheHostWhenTheWindowOpens) {
    struct Case {
        bool provide;
        double tempo;
        double rate;
        float expectedTempo;
        float expectedRate;
    };
    // No time information, or a tempo or rate of 0, keeps 120 BPM and 44100 Hz.
    for (const Case& c : {Case{false, 90.0, 48000.0, 120.0f, 44100.0f},
                          Case{true, 90.0, 48000.0, 90.0f, 48000.0f},
                          Case{true, 0.0, 0.0, 120.0f, 44100.0f}}) {
        TestHost host;
        host.provideTime = c.provide;
        host.time.tempo = c.tempo;
        host.time.sampleRate = c.rate;
        Instance plugin(host);
        ASSERT_TRUE(plugin.open());
        const DisplayContext& display = plugin.editor()->displayContext();
        EXPECT_FLOAT_EQ(display.tempo, c.expectedTempo);
        EXPECT_FLOAT_EQ(display.sampleRate, c.expectedRate);
        EXPECT_FLOAT_EQ(display.samplesPerBar, c.expectedRate * 240.0f / c.expectedTempo);
    }
}

TEST(EditorShell, EveryEditorKeepsItsOwnDisplayContext) {
    TestHost slowHost;
    TestHost fastHost;
    slowHost.time.tempo = 100.0;
    fastHost.time.tempo = 150.0;
    auto slow = std::make_unique<Instance>(slowHost);
    Instance fast(fastHost);
    ASSERT_TRUE(slow->open());
    ASSERT_TRUE(fast.open());
    EXPECT_FLOAT_EQ(slow->editor()->displayContext().tempo, 100.0f);
    EXPECT_FLOAT_EQ(fast.editor()->displayContext().tempo, 150.0f);
    slow.reset();  // one instance going away takes nothing of the other's
    EXPECT_FLOAT_EQ(fast.editor()->displayContext().pitchTable.ratio(PitchTable::kUnityEntry), 1.0f);
    EXPECT_FLOAT_EQ(fast.editor()->displayContext().tempo, 150.0f);
}

TEST(EditorShell, AControlsDragReachesTheHostAsAnEditWithAutomation) {
    TestHost host;
    Instance plugin(host);
    ASSERT_TRUE(plugin.open());
    StutterEditor* editor = plugin.editor();
    EditorFrame* frame = editor->getFrame();
    auto* gate = new StripKnob({8, 219, 33, 244}, editor, kGate, 19, 25, nullptr);
    gate->setValue(plugin.effect->getParameter(plugin.effect, kGate));
    frame->addView(gate);
    editor->setKnobMode(2);
    host.clearCalls();
    frame->onMouseDown({20, 230}, 1);
    frame->onMouseMoved({20, 210}, 1);
    frame->onMouseUp({20, 210}, 0);
    editor->setKnobMode(0);

    std::vector<VstInt32> opcodes;
    for (const HostCall& call : host.calls())
        if (call.opcode == audioMasterBeginEdit || call.opcode == audioMasterEndEdit ||
            call.opcode == audioMasterAutomate) {
            opcodes.push_back(call.opcode);
            EXPECT_EQ(call.index, kGate);
        }
    // Begin, the change, end; the Gate knob's report after letting go only
    // clears its readout in the scope and sends nothing more.
    EXPECT_EQ(opcodes, (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterAutomate,
                                              audioMasterEndEdit}));
    EXPECT_FLOAT_EQ(plugin.effect->getParameter(plugin.effect, kGate), gate->getValue());

    // The knob pressed last takes the host's arrow keys; other keys stay the host's.
    const float before = gate->getValue();
    EXPECT_EQ(plugin.effect->dispatcher(plugin.effect, effEditKeyDown, 0, kVKeyDown, nullptr,
                                        kModifierShift), 1);
    EXPECT_NEAR(gate->getValue(), before - 0.01f, 1e-6);
    EXPECT_EQ(plugin.effect->dispatcher(plugin.effect, effEditKeyDown, 'q', 0, nullptr, 0.0f), 0);
    EXPECT_EQ(plugin.effect->dispatcher(plugin.effect, effEditKeyUp, 0, kVKeyDown, nullptr, 0.0f), 0);
}

TEST(EditorShell, ChangesFromAnotherThreadAreOnlyNotedUntilTheNextIdle) {
    TestHost host;
    Instance plugin(host);
    StutterEditor* editor = plugin.editor();
    editor->setParameter(kStatusPlayPos, 0.25f);  // closed: ignored
    EXPECT_FLOAT_EQ(editor->latestLevel(), 0.0f);
    ASSERT_TRUE(plugin.open());
    std::thread audio([&] {
        for (int i = 1; i <= 2000; ++i) plugin.effect->setParameter(plugin.effect, kMix, i / 2000.0f);
        for (int i = 1; i <= 2000; ++i) editor->setParameter(kStatusPlayPos, i / 2000.0f);
    });
    for (int i = 0; i < 200; ++i) plugin.dispatch(effEditIdle);
    audio.join();
    plugin.dispatch(effEditIdle);
    EXPECT_FLOAT_EQ(editor->latestLevel(), 1.0f);
}

}  // namespace
