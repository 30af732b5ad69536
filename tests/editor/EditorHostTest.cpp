// The editor on a host of its own, as a plug-in format other than VST 2
// gives it one: it shows the values it reads through its EditorHost, sends
// gestures, changes and commands through it and nothing else, and follows
// what the host side pushes (changes, level reports) on its next idle pass.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <vector>

#include "editor/LoopScope.h"
#include "editor/StutterEditor.h"
#include "editor/TouchSlider.h"
#include "params/ParameterIds.h"
#include "widgets/EditorFrame.h"
#include "widgets/MouseButtons.h"
#include "widgets/OptionMenu.h"
#include "widgets/StripKnob.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

enum CallKind { kBegin, kChange, kEnd, kCommand };

struct Call {
    CallKind kind;
    int index;
    float value;
    bool operator==(const Call&) const = default;
};

// Keeps the values as a user-interface binary would from the messages it
// gets, and tells the editor of its own changes as a plug-in does.
class RecordingHost : public EditorHost {
public:
    std::array<float, 64> values{};
    std::vector<Call> calls;
    int timingsAsked = 0;
    StutterEditor* editor = nullptr;

    float parameterValue(int index) const override { return values.at(index); }
    void parameterText(int index, char* display, char* label) override {
        std::snprintf(display, kTextSize, "%.2f", values.at(index));
        std::snprintf(label, kTextSize, "units");
    }
    Timing hostTiming() override {
        ++timingsAsked;
        return {140.0, 48000.0};
    }
    void beginGesture(int index) override { calls.push_back({kBegin, index, 0.0f}); }
    void changeParameter(int index, float value) override {
        values.at(index) = value;
        calls.push_back({kChange, index, value});
        editor->setParameter(index, value);
    }
    void endGesture(int index) override { calls.push_back({kEnd, index, 0.0f}); }
    void runCommand(int command, float value) override { calls.push_back({kCommand, command, value}); }
};

struct EditorHostTest : ::testing::Test {
    RecordingHost host;
    StutterEditor editor{host};

    void SetUp() override {
        host.editor = &editor;
        host.values[kShuffle] = 0.25f;
        host.values[kMix] = 0.5f;
        editor.setWindowFactory(createHeadlessWindow);
        ASSERT_TRUE(editor.open(0));
        editor.idle();
    }
    EditorFrame& frame() { return *editor.getFrame(); }
    const EditorControls& controls() { return editor.getControls(); }
};

TEST_F(EditorHostTest, ShowsTheHostsValuesAndTimingAndSendsGesturesAndCommandsThroughIt) {
    EXPECT_EQ(host.timingsAsked, 1);
    EXPECT_FLOAT_EQ(editor.displayContext().tempo, 140.0f);
    EXPECT_FLOAT_EQ(editor.displayContext().sampleRate, 48000.0f);
    EXPECT_FLOAT_EQ(controls().shuffleKnob->getValue(), 0.25f);
    EXPECT_FLOAT_EQ(controls().mixSlider->getValue(), 0.5f);

    // A drag on a knob: begin, each change, end; the readout shows the host's text.
    const Rect knob = controls().shuffleKnob->getSize();
    FrameEditor::setKnobMode(2);  // linear
    frame().onMouseDown({knob.left + 5, knob.top + 5}, kLButton);
    frame().onMouseMoved({knob.left + 5, knob.top - 15}, kLButton);
    EXPECT_STREQ(controls().loopScope->getScopeText(), "0.35 units");
    frame().onMouseUp({knob.left + 5, knob.top - 15}, 0);
    FrameEditor::setKnobMode(0);
    ASSERT_EQ(host.calls.size(), 3u);
    EXPECT_EQ(host.calls[0], (Call{kBegin, kShuffle, 0.0f}));
    EXPECT_EQ(host.calls[1].kind, kChange);
    EXPECT_NEAR(host.calls[1].value, 0.35f, 1e-6);
    EXPECT_EQ(host.calls[2], (Call{kEnd, kShuffle, 0.0f}));

    // A right click arms learning; an operation menu's choice is a command.
    host.calls.clear();
    frame().onMouseDown({knob.left + 5, knob.top + 5}, kRButton);
    frame().onMouseUp({knob.left + 5, knob.top + 5}, 0);
    OptionMenu* lengthOp = controls().lengthOpMenu;
    lengthOp->setValue(2.0f);  // as the pop-up reports a choice
    editor.valueChanged(frame().context(), lengthOp);
    EXPECT_EQ(host.calls, (std::vector<Call>{{kCommand, kCmdLearnKnob, static_cast<float>(kShuffle)},
                                             {kCommand, kCmdLengthOp, 2.0f}}));
}

TEST_F(EditorHostTest, FollowsWhatTheHostSidePushesOnTheNextIdle) {
    host.values[kMix] = 0.75f;
    editor.setParameter(kMix, 0.75f);
    EXPECT_FLOAT_EQ(controls().mixSlider->getValue(), 0.5f);  // nothing before the idle pass
    editor.idle();
    EXPECT_FLOAT_EQ(controls().mixSlider->getValue(), 0.75f);

    // A level report carries where the loop stood; values out of range are clamped.
    editor.reportLevel({0.5f, 0.25f, 0.5f, 2.0f});
    editor.idle();
    LoopScope* scope = controls().loopScope;
    EXPECT_FLOAT_EQ(scope->getCursor(), 0.25f);
    EXPECT_FLOAT_EQ(scope->getRecordMark(), 0.5f);
    EXPECT_FLOAT_EQ(scope->getSamplePos(), 1.0f);

    // Closed, the editor notes nothing and asks the host nothing.
    editor.close();
    editor.setParameter(kMix, 0.1f);
    editor.reportLevel({0.5f, 0.5f, 0.5f, 0.5f});
    editor.idle();
    EXPECT_TRUE(host.calls.empty());
}

}  // namespace
