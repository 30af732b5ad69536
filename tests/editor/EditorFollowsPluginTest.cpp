// The window following the plug-in: host automation and program changes
// move the controls on the next idle pass, menus pick their entry from the
// normalised value, a level report touches the scope only when a status
// value moved, and the displays show the length and offset divided.
#include <gtest/gtest.h>

#include <vector>

#include "editor/LoopScope.h"
#include "editor/RecordButton.h"
#include "editor/StutterEditor.h"
#include "editor/TouchKnob.h"
#include "editor/TouchSlider.h"
#include "params/ParameterIds.h"
#include "plugin/StutterEffectEdit.h"
#include "tests/host/TestHost.h"
#include "widgets/EditorFrame.h"
#include "widgets/HandleSlider.h"
#include "widgets/KickButton.h"
#include "widgets/OptionMenu.h"
#include "widgets/StripKnob.h"
#include "widgets/ToggleButton.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

AEffect* createHere(audioMasterCallback audioMaster) {
    return (new StutterEffectEdit(audioMaster))->getAeffect();
}

struct EditorFollowsPluginTest : ::testing::Test {
    TestHost host;
    AEffect* effect = host.instantiate(createHere);
    StutterEditor* editor = nullptr;

    void SetUp() override {
        editor = static_cast<StutterEditor*>(static_cast<StutterEffectEdit*>(effect->object)->getEditor());
        editor->setWindowFactory(createHeadlessWindow);
        ASSERT_EQ(effect->dispatcher(effect, effEditOpen, 0, 0, this, 0.0f), 1);
        idle();
    }
    void TearDown() override { effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f); }
    void idle() { effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f); }
    const EditorControls& controls() { return editor->getControls(); }
    float p(int index) { return effect->getParameter(effect, index); }
};

TEST_F(EditorFollowsPluginTest, HostAutomationMovesTheControlsAtTheNextIdle) {
    effect->setParameter(effect, kGate, 0.8f);
    effect->setParameter(effect, kOffsetJmpBack, 1.0f);
    effect->setParameter(effect, kRepeats, 0.4f);
    EXPECT_NE(controls().gateKnob->getValue(), effect->getParameter(effect, kGate));  // only noted
    idle();
    EXPECT_FLOAT_EQ(controls().gateKnob->getValue(), effect->getParameter(effect, kGate));
    EXPECT_FLOAT_EQ(controls().offsetJmpBackButton->getValue(),
                    effect->getParameter(effect, kOffsetJmpBack));
    EXPECT_FLOAT_EQ(controls().repeatsSlider->getValue(), effect->getParameter(effect, kRepeats));
    EXPECT_FLOAT_EQ(controls().offsetJmpFfwButton->getValue(), 0.0f);
}

TEST_F(EditorFollowsPluginTest, MenusShowTheEntryOfTheNormalisedValue) {
    effect->setParameter(effect, kRecSync, 0.3f);
    idle();
    EXPECT_EQ(controls().recSyncMenu->getCurrentIndex(), 3);  // floor(11 * 0.3)
    EXPECT_STREQ(controls().recSyncMenu->getEntry(3), "1/4");
    effect->setParameter(effect, kFilterType, 1.0f / 7.0f);
    idle();
    EXPECT_EQ(controls().filterTypeMenu->getCurrentIndex(), 1);
}

TEST_F(EditorFollowsPluginTest, ProgramChangesMoveEveryControl) {
    effect->dispatcher(effect, effSetProgram, 0, 3, nullptr, 0.0f);
    idle();
    EXPECT_FLOAT_EQ(controls().lengthKnob->getValue(), effect->getParameter(effect, kLength));
    EXPECT_FLOAT_EQ(controls().offsetKnob->getValue(), effect->getParameter(effect, kOffset));
    EXPECT_FLOAT_EQ(controls().mixSlider->getValue(), effect->getParameter(effect, kMix));
    EXPECT_FLOAT_EQ(controls().shuffleKnob->getValue(), effect->getParameter(effect, kShuffle));
    EXPECT_FLOAT_EQ(controls().filterFreqKnob->getValue(), effect->getParameter(effect, kFilterFreq));
}

TEST_F(EditorFollowsPluginTest, TouchRecSwitchesTheTouchHandles) {
    effect->setParameter(effect, kTouchRec, 1.0f);
    idle();
    EXPECT_EQ(editor->getTouchRecMode(), 1);
    EXPECT_EQ(controls().lengthKnob->getTouchMode(), 1);
    EXPECT_EQ(controls().offsetKnob->getTouchMode(), 1);
    EXPECT_EQ(controls().mixSlider->getTouchMode(), 1);
    effect->setParameter(effect, kTouchRec, 0.0f);
    idle();
    EXPECT_EQ(controls().offsetKnob->getTouchMode(), 0);
}

TEST_F(EditorFollowsPluginTest, LevelReportsTouchTheScopeOnlyWhenAStatusValueMoved) {
    LoopScope* scope = controls().loopScope;
    // The editor hears of a report as the engine sends it: index 43 with the level.
    editor->setParameter(kStatusPlayPos, 0.5f);
    idle();
    ASSERT_FALSE(scope->isDirty());
    scope->setCursor(0.25f);  // a mark of our own that a touched scope would overwrite
    editor->setParameter(kStatusPlayPos, 0.9f);
    idle();
    EXPECT_FLOAT_EQ(scope->getCursor(), 0.25f);
    EXPECT_FALSE(scope->isDirty());

    // Recording moves the status values: the scope takes the positions, and
    // the level of the last report lands where the recording has got to.
    effect->setParameter(effect, kRecSync, 0.0f);
    effect->setParameter(effect, kRecOffset, 0.0f);
    effect->setParameter(effect, kRecord, 1.0f);
    std::vector<float> in(8192, 0.25f), outL(8192), outR(8192);
    float* inputs[2] = {in.data(), in.data()};
    float* outputs[2] = {outL.data(), outR.data()};
    effect->processReplacing(effect, inputs, outputs, 8192);
    idle();
    const float recorded = p(kStatusRecordedLength);
    ASSERT_GT(recorded, 0.0f);
    EXPECT_FLOAT_EQ(scope->getCursor(), p(kStatusPlayPos));
    EXPECT_FLOAT_EQ(scope->getRecordMark(), p(kStatusRecordPos));
    EXPECT_FLOAT_EQ(scope->getSamplePos(), recorded);
    EXPECT_FLOAT_EQ(editor->latestLevel(), 0.5f);  // |left| + |right|
    EXPECT_FLOAT_EQ(scope->level(static_cast<int>(1024.0f * recorded - 1.0f)), 0.5f);
}

TEST_F(EditorFollowsPluginTest, DivisionAndBpmLockDivideWhatTheDisplaysShow) {
    effect->setParameter(effect, kBpmLock, 0.0f);
    effect->setParameter(effect, kLength, 0.5f);   // 25000 samples
    effect->setParameter(effect, kOffset, 0.75f);  // 312.5 samples, shown whole
    idle();
    const auto shows = [&](float length, float offset) {
        EXPECT_FLOAT_EQ(controls().lengthDisplay->getValue(), length);
        EXPECT_FLOAT_EQ(controls().offsetDisplay->getValue(), offset);
    };
    shows(25000.0f, 312.0f);
    effect->setParameter(effect, kDivisionNum, 0.5f);  // divide by 4: only the length
    idle();
    shows(6250.0f, 312.0f);
    effect->setParameter(effect, kBpmLock, 1.0f);  // locked: the offset is divided too
    idle();
    shows(6250.0f, 78.0f);
    effect->setParameter(effect, kDivisionNum, 0.75f);  // divide by 8, in whole samples
    idle();
    shows(3125.0f, 39.0f);
    char text[256];
    controls().offsetDisplay->getDisplayText(text);
    EXPECT_STREQ(text, "0.88");  // 39 samples in milliseconds at 44.1 kHz
    effect->setParameter(effect, kBpmLock, 0.0f);
    idle();
    shows(3125.0f, 312.0f);
    effect->setParameter(effect, kLength, 0.75f);  // a new length shows whole again
    idle();
    shows(84375.0f, 312.0f);
}

TEST_F(EditorFollowsPluginTest, RecordShowsPendingOnlyWhileRecSyncIsActive) {
    effect->setParameter(effect, kRecord, 1.0f);
    idle();
    EXPECT_FLOAT_EQ(controls().recordButton->getPending(), 0.0f);  // no Rec Sync: no overlay
    effect->setParameter(effect, kRecord, 0.0f);
    effect->setParameter(effect, kRecSync, 0.3f);
    effect->setParameter(effect, kRecord, 1.0f);
    idle();
    EXPECT_FLOAT_EQ(controls().recordButton->getPending(), 1.0f);
    EXPECT_EQ(controls().recordButton->imageIndex() & 2, 2);
}

}  // namespace
