// State as hosts without chunks keep it: the 41 values and the program name,
// written back into a fresh instance in index order, with the program
// selected first or written into program 0 as some hosts do. Whatever the
// user set, random knob edits under BPM Lock and Repeat Lock included, the
// values come back the same and so does the sound, bit for bit.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <utility>

#include "tests/engine/EngineTestSupport.h"
#include "tests/params/ParamsTestSupport.h"

namespace {

using namespace params_test;

// Everything a user turns or switches; Record, Rewind, Clear and the offset
// jumps act on the loop rather than set it.
constexpr int kEdited[] = {kRecSync,      kRecOffset,      kRelease,         kBpmLock,
                           kBpmSync,      kDirection,      kLength,          kLengthQuant,
                           kDivisionNum,  kDivisionDenom,  kOffset,          kRepeats,
                           kRepeatLock,   kMix,            kTouchRec,        kShuffle,
                           kGate,         kBitCrush,       kBlend,           kModulatorSpeed,
                           kModulatorAmp, kModulatorPhase, kModulatorMode,   kPitch,
                           kPitchHold,    kPitchRel,       kPitchPhase,      kPitchMode,
                           kFilterFreq,   kFilterQ,        kFilterGain,      kFilterType,
                           kFilterSpeed,  kFilterSpeedSync, kFilterSpeedRestart, kFilterSpeedType};

struct Saved {
    std::vector<float> values;
    std::string name;
};

Saved save(const PluginInstance& plugin) { return {allValues(plugin), plugin.programName()}; }

void restore(const PluginInstance& plugin, const Saved& saved, int program) {
    if (program >= 0) plugin.setProgram(program);
    for (int i = 0; i < kNumParams; ++i) plugin.set(i, saved.values[i]);
    std::string name = saved.name;
    plugin.dispatch(effSetProgramName, 0, 0, name.data());
}

// A bar of noise from bar 1 with Record on, as a host plays after loading.
engine_test::Stereo render(TestHost& host, PluginInstance& plugin) {
    std::mt19937 random(3);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    engine_test::Stereo in(88200);
    for (size_t i = 0; i < in.size(); ++i) in.left[i] = noise(random), in.right[i] = noise(random);
    host.time.flags |= kVstTransportPlaying;
    host.time.samplePos = 0.0;
    plugin.dispatch(effMainsChanged, 0, 1);
    plugin.set(kRecord, 1.0f);
    return engine_test::Driver{host, plugin}.run(in);
}

// The first parameter read back with other bits, or -1.
int firstDifferent(const std::vector<float>& a, const std::vector<float>& b) {
    for (int i = 0; i < kNumParams; ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(float)) != 0) return i;
    return -1;
}

TEST(StateRestore, IndexOrderGivesBackTheValuesAndTheSound) {
    std::mt19937 random(41);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int round = 0; round < 2 * kNumPrograms; ++round) {
        const int program = round % kNumPrograms;
        TestHost host;
        PluginInstance original(host);
        original.setProgram(program);
        if (round < kNumPrograms) {
            // The reported case: the lock, then an Offset that moves the Length.
            original.set(kBpmLock, 1.0f);
            original.set(kOffset, 0.75f);
        }
        for (int edit = 0; edit < 12; ++edit) {
            const int index = kEdited[random() % std::size(kEdited)];
            const float pick = unit(random);  // switches are on only at exactly 1
            original.set(index, pick < 0.25f ? 0.0f : pick < 0.5f ? 1.0f : unit(random));
        }
        const Saved saved = save(original);
        const engine_test::Stereo heard = render(host, original);

        for (const int selected : {program, -1}) {
            TestHost restoredHost;
            PluginInstance restored(restoredHost);
            restore(restored, saved, selected);
            const Saved back = save(restored);
            EXPECT_EQ(firstDifferent(back.values, saved.values), -1) << round << " " << selected;
            EXPECT_EQ(back.name, saved.name);
            const engine_test::Stereo again = render(restoredHost, restored);
            EXPECT_TRUE(again.left == heard.left && again.right == heard.right)
                << round << " " << selected;
        }
    }
}

}  // namespace
