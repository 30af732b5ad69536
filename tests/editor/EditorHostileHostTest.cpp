// The window under a hostile host: whatever values setParameter stored (NaN,
// infinities, far outside 0...1) and whatever time information the host
// gives, the controls show their value clamped to their range, the displays
// stay finite and no idle or open crashes or hangs. And the loop scope draws
// every level report, however seldom the host idles.
#include "tests/editor/HeadlessEditor.h"

#include <cmath>
#include <limits>
#include <vector>

#include "widgets/Switches.h"
#include "widgets/VirtualKeys.h"
#include "widgets/ValueDisplay.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

using EditorHostileHostTest = OpenEditor;

// Plays `blocks` blocks of 512 frames of a steady 0.25 on both inputs,
// idling the editor after every `idleEvery` blocks (never for 0).
void play(HeadlessEditor& plugin, int blocks, int idleEvery) {
    std::vector<float> in(512, 0.25f), outL(512), outR(512);
    float* inputs[2] = {in.data(), in.data()};
    float* outputs[2] = {outL.data(), outR.data()};
    for (int block = 1; block <= blocks; ++block) {
        plugin.effect->processReplacing(plugin.effect, inputs, outputs, 512);
        if (idleEvery > 0 && block % idleEvery == 0) plugin.idle();
    }
}

void startRecording(HeadlessEditor& plugin) {
    plugin.set(kRecSync, 0.0f);
    plugin.set(kRecOffset, 0.0f);
    plugin.set(kRecord, 1.0f);
}

TEST_F(EditorHostileHostTest, StoredValuesOutsideTheRangeShowClampedOnTheirControls) {
    const EditorControls& c = plugin.controls();
    const struct {
        VstInt32 index;
        Control* control;
    } knobs[] = {{kShuffle, c.shuffleKnob}, {kGate, c.gateKnob}, {kBlend, c.blendKnob},
                 {kModulatorSpeed, c.modulatorSpeedKnob}, {kModulatorAmp, c.modulatorAmpKnob},
                 {kPitch, c.pitchKnob}, {kPitchHold, c.pitchHoldKnob}, {kPitchRel, c.pitchRelKnob},
                 {kFilterFreq, c.filterFreqKnob}, {kFilterQ, c.filterQKnob},
                 {kFilterGain, c.filterGainKnob}, {kFilterSpeed, c.filterSpeedKnob},
                 {kLength, c.lengthKnob}, {kOffset, c.offsetKnob}, {kMix, c.mixSlider},
                 {kDivisionNum, c.divisionSwitch}};
    for (const auto& knob : knobs)
        for (float value : {1e9f, kInf, 1e30f, -1e9f, -kInf, -0.5f, 2.0f}) {
            plugin.set(knob.index, value);
            plugin.idle();  // draws the control
            EXPECT_FLOAT_EQ(knob.control->getValue(), value > 0.0f ? 1.0f : 0.0f)
                << knob.index << " at " << value;
        }
    // Division Num below 0 once divided the lengths by zero; the displays show
    // the whole length (0) and the length divided by 16 (above 1).
    plugin.set(kLength, 0.5f);  // 25000 samples
    for (auto [division, length] : {std::pair{-0.5f, 25000.0f}, {-kInf, 25000.0f}, {1e30f, 1562.0f}}) {
        plugin.set(kDivisionNum, division);
        plugin.idle();
        EXPECT_FLOAT_EQ(c.lengthDisplay->getValue(), length) << division;
    }
}

TEST_F(EditorHostileHostTest, LevelReportsThatAreNoNumberOrNegativeShowAsSilence) {
    startRecording(plugin);
    for (float level : {std::nanf(""), -kInf, -1e30f, kInf}) {
        play(plugin, 1, 0);  // the recording moves on, so the next report is drawn
        plugin.set(kStatusPlayPos, level);
        plugin.idle();
        const int entry = static_cast<int>(1024.0f * plugin.p(kStatusRecordedLength) - 1.0f);
        EXPECT_FLOAT_EQ(plugin.controls().loopScope->level(entry), level > 0.0f ? 1.0f : 0.0f) << level;
    }
}

TEST_F(EditorHostileHostTest, KeyModifiersThatAreNoByteCountAsNone) {
    plugin.click({20, 206});  // the Shuffle knob takes the arrow keys
    for (float modifiers : {-1.0f, 256.0f, 1e30f, -kInf, std::nanf("")}) {
        plugin.set(kShuffle, 0.5f);
        plugin.idle();
        EXPECT_EQ(plugin.dispatch(effEditKeyDown, 0, kVKeyDown, nullptr, modifiers), 1) << modifiers;
        EXPECT_NEAR(plugin.p(kShuffle), 0.4f, 1e-6) << modifiers;  // a whole step, without Shift
    }
}

TEST(EditorHostileTime, AnyHostTempoAndSampleRateGiveFiniteDisplaysAndOpenAtOnce) {
    const double nan = std::nan("");
    const double given[][2] = {{120.0, 1e37},  {120.0, 1e300}, {1e-300, 44100.0}, {1e300, 44100.0},
                               {nan, nan},     {-1.0, -1.0},   {1e-30, 1e300}};
    for (const auto& [tempo, rate] : given) {
        TestHost host;
        host.time.tempo = tempo;
        host.time.sampleRate = rate;
        HeadlessEditor plugin(host);
        plugin.set(kLengthQuant, 0.5f);  // the length display uses the bar length
        ASSERT_TRUE(plugin.open()) << tempo << " BPM at " << rate << " Hz";
        plugin.set(kLength, 0.6f);
        plugin.idle();
        const DisplayContext& display = plugin.editor()->displayContext();
        EXPECT_TRUE(std::isfinite(display.samplesPerBar) && display.samplesPerBar > 0.0f) << tempo << ", " << rate;
        const float tempoShown = plugin.editor()->tempoFromLoop(0.6f, 0.5f);
        EXPECT_TRUE(tempoShown > 0.0f && tempoShown <= 240.0f) << tempo << ", " << rate;
        EXPECT_TRUE(std::isfinite(plugin.controls().lengthDisplay->getValue())) << tempo << ", " << rate;
    }
}

TEST(EditorLevelReports, TheScopeDrawsEveryReportHoweverSeldomTheHostIdles) {
    // The engine reports every 513 frames, so an idle after every block of
    // 512 frames sees each report; an idle every 8 blocks must draw the same.
    TestHost hosts[2];
    HeadlessEditor everyBlock(hosts[0]), everyEighth(hosts[1]);
    for (HeadlessEditor* plugin : {&everyBlock, &everyEighth}) {
        ASSERT_TRUE(plugin->open());
        plugin->idle();
        startRecording(*plugin);
    }
    play(everyBlock, 64, 1);
    play(everyEighth, 64, 8);
    const LoopScope* seen = everyBlock.controls().loopScope;
    const LoopScope* drawn = everyEighth.controls().loopScope;
    int levels = 0;
    for (int entry = 0; entry < LoopScope::kLevelCount; ++entry) {
        EXPECT_FLOAT_EQ(drawn->level(entry), seen->level(entry)) << entry;
        levels += seen->level(entry) > 0.0f;
    }
    EXPECT_GT(levels, 50);  // 63 reports over about 56 entries
}

}  // namespace
