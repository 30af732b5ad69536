// The window following the plug-in: host automation and program changes
// move the controls on the next idle pass, menus pick their entry from the
// normalised value, and a level report touches the scope only when a status
// value moved.
#include <gtest/gtest.h>

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

TEST_F(EditorFollowsPluginTest, LevelReportWithUnchangedStatusLeavesTheScopeAlone) {
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
