// The window following the host and the plug-in: each editor's display
// context comes from its own host; changes, also from another thread, host
// automation and program changes move the controls on the next idle pass,
// menus pick their entry from the normalised value, a level report touches
// the scope only when a status value moved, and the displays show the length
// and offset divided.
#include "tests/editor/HeadlessEditor.h"

#include <array>
#include <memory>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "widgets/HandleSlider.h"
#include "widgets/KickButton.h"
#include "widgets/ValueDisplay.h"

namespace {

using EditorFollowsPluginTest = OpenEditor;

TEST(EditorDisplayContext, EachEditorTakesItsOwnFromItsHostWhenTheWindowOpens) {
    // Provided?, tempo, rate; no time information, or a tempo or rate of 0,
    // keeps 120 BPM and 44100 Hz.
    const std::tuple<bool, double, double> given[] = {{true, 100.0, 44100.0}, {false, 90.0, 48000.0},
                                                      {true, 90.0, 48000.0}, {true, 0.0, 0.0}};
    const std::pair<float, float> expected[] = {{100.0f, 44100.0f}, {120.0f, 44100.0f}, {90.0f, 48000.0f}, {120.0f, 44100.0f}};
    std::array<TestHost, 4> hosts;
    std::array<std::unique_ptr<HeadlessEditor>, 4> plugins;
    for (size_t i = 0; i < 4; ++i) {
        std::tie(hosts[i].provideTime, hosts[i].time.tempo, hosts[i].time.sampleRate) = given[i];
        plugins[i] = std::make_unique<HeadlessEditor>(hosts[i]);
        ASSERT_TRUE(plugins[i]->open());
    }
    plugins[0].reset();  // one instance going away takes nothing of the others'
    for (size_t i = 1; i < 4; ++i) {
        const DisplayContext& display = plugins[i]->editor()->displayContext();
        const auto [tempo, rate] = expected[i];
        EXPECT_FLOAT_EQ(display.tempo, tempo) << i;
        EXPECT_FLOAT_EQ(display.samplesPerBar, rate * 240.0f / tempo) << i;
    }
}

TEST_F(EditorFollowsPluginTest, ChangesAndLevelReportsFromTheAudioThreadReachTheWindowAtTheNextIdle) {
    plugin.set(kRecSync, 0.0f);
    plugin.set(kRecord, 1.0f);
    std::thread audio([&] {
        std::vector<float> in(512, 0.25f), out(512);
        float* inputs[2] = {in.data(), in.data()};
        float* outputs[2] = {out.data(), out.data()};
        for (int i = 1; i <= 200; ++i) {
            plugin.set(kMix, i / 200.0f);
            plugin.effect->processReplacing(plugin.effect, inputs, outputs, 512);
        }
    });
    for (int i = 0; i < 200; ++i) plugin.idle();
    audio.join();
    plugin.idle();
    EXPECT_FLOAT_EQ(plugin.controls().mixSlider->getValue(), 1.0f);
    const LoopScope* scope = plugin.controls().loopScope;
    EXPECT_FLOAT_EQ(scope->level(static_cast<int>(1024.0f * scope->getSamplePos() - 1.0f)), 0.5f);
}

TEST_F(EditorFollowsPluginTest, AutomationAndProgramChangesMoveTheControlsAtTheNextIdle) {
    const EditorControls& controls = plugin.controls();
    plugin.set(kGate, 0.8f);
    plugin.set(kRepeats, 0.4f);
    plugin.set(kRecSync, 0.3f);
    EXPECT_NE(controls.gateKnob->getValue(), plugin.p(kGate));  // only noted
    plugin.idle();
    EXPECT_FLOAT_EQ(controls.gateKnob->getValue(), plugin.p(kGate));
    EXPECT_FLOAT_EQ(controls.repeatsSlider->getValue(), plugin.p(kRepeats));
    EXPECT_STREQ(controls.recSyncMenu->getEntry(controls.recSyncMenu->getCurrentIndex()), "1/4");  // floor(11 * 0.3)

    plugin.dispatch(effSetProgram, 0, 3);
    plugin.idle();
    for (auto [control, index] : {std::pair<Control*, int>{controls.lengthKnob, kLength}, {controls.mixSlider, kMix}})
        EXPECT_FLOAT_EQ(control->getValue(), plugin.p(index)) << index;
}

TEST_F(EditorFollowsPluginTest, LevelReportsTouchTheScopeOnlyWhenAStatusValueMoved) {
    LoopScope* scope = plugin.controls().loopScope;
    // The editor hears of a report as the engine sends it: index 43 with the level.
    plugin.report(kStatusPlayPos, 0.5f);
    plugin.idle();
    ASSERT_FALSE(scope->isDirty());
    scope->setCursor(0.25f);  // a mark of our own that a touched scope would overwrite
    plugin.report(kStatusPlayPos, 0.9f);
    plugin.idle();
    EXPECT_FLOAT_EQ(scope->getCursor(), 0.25f);
    EXPECT_FALSE(scope->isDirty());

    // Recording moves the status values: the scope takes the positions of the
    // last report (made at most 513 frames before the block ended), and its
    // level lands where the recording had got to then.
    plugin.set(kRecSync, 0.0f);
    plugin.set(kRecOffset, 0.0f);
    plugin.set(kRecord, 1.0f);
    std::vector<float> in(8192, 0.25f), outL(8192), outR(8192);
    float* inputs[2] = {in.data(), in.data()};
    float* outputs[2] = {outL.data(), outR.data()};
    plugin.effect->processReplacing(plugin.effect, inputs, outputs, 8192);
    plugin.idle();
    const float recorded = plugin.p(kStatusRecordedLength);
    ASSERT_GT(recorded, 0.0f);
    constexpr float kReportSpan = 513.0f / kSampleBufferFrames;
    EXPECT_NEAR(scope->getCursor(), plugin.p(kStatusPlayPos), kReportSpan);
    EXPECT_NEAR(scope->getRecordMark(), plugin.p(kStatusRecordPos), kReportSpan);
    EXPECT_NEAR(scope->getSamplePos(), recorded, kReportSpan);
    EXPECT_FLOAT_EQ(scope->level(static_cast<int>(1024.0f * scope->getSamplePos() - 1.0f)), 0.5f);  // |left| + |right|
}

TEST_F(EditorFollowsPluginTest, DivisionAndBpmLockDivideWhatTheDisplaysShow) {
    plugin.set(kBpmLock, 0.0f);
    plugin.set(kLength, 0.5f);  // 25000 samples
    struct Step {
        VstInt32 index;
        float value;
        float length;
        float offset;
        const char* offsetText;  // in milliseconds at 44.1 kHz
    };
    const Step steps[] = {{kOffset, 0.75f, 25000.0f, 312.0f, "7.07"},     // 312.5 samples, shown whole
                          {kDivisionNum, 0.5f, 6250.0f, 312.0f, "7.07"},  // divide by 4: only the length
                          {kBpmLock, 1.0f, 6250.0f, 78.0f, "1.77"},       // locked: the offset too
                          {kDivisionNum, 0.75f, 3125.0f, 39.0f, "0.88"},  // divide by 8, in whole samples
                          {kBpmLock, 0.0f, 3125.0f, 312.0f, "7.07"},
                          {kLength, 0.75f, 84375.0f, 312.0f, "7.07"}};    // a new length shows whole again
    for (const Step& step : steps) {
        plugin.set(step.index, step.value);
        plugin.idle();
        char text[256];
        plugin.controls().offsetDisplay->getDisplayText(text);
        EXPECT_FLOAT_EQ(plugin.controls().lengthDisplay->getValue(), step.length) << step.index;
        EXPECT_FLOAT_EQ(plugin.controls().offsetDisplay->getValue(), step.offset) << step.index;
        EXPECT_STREQ(text, step.offsetText) << step.index;
    }
}

TEST_F(EditorFollowsPluginTest, RecordShowsPendingOnlyWhileRecSyncIsActive) {
    for (float recSync : {0.0f, 0.3f}) {
        plugin.set(kRecord, 0.0f);
        plugin.set(kRecSync, recSync);
        plugin.set(kRecord, 1.0f);
        plugin.idle();
        EXPECT_FLOAT_EQ(plugin.controls().recordButton->getPending(), recSync > 0.0f ? 1.0f : 0.0f) << recSync;
    }
}

}  // namespace
