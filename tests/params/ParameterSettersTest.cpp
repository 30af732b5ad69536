// What the setters do, as a host sees it: the Record, Rewind and Clear
// switches, and the couplings of Length, Offset, BPM Lock, Repeats and
// Repeat Lock.
#include <gtest/gtest.h>

#include "tests/engine/EngineTestSupport.h"
#include "tests/params/ParamsTestSupport.h"

namespace {

using namespace params_test;

TEST(ParameterSetters, RecordRewindAndClear) {
    TestHost host;
    PluginInstance plugin(host);
    // Off to on engages; the stored value becomes 1.0 whatever non-zero came in.
    plugin.set(kRecord, 0.5f);
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    EXPECT_EQ(plugin.display(kRecord), "Recording");
    plugin.set(kRecord, 0.7f);  // on to on only stores: no restart rewrites it
    EXPECT_EQ(plugin.get(kRecord), 0.7f);
    plugin.set(kRecord, 0.0f);
    EXPECT_EQ(plugin.display(kRecord), "Waiting");

    plugin.set(kRecSync, 0.5f);
    for (int i = 0; i < 5; ++i) plugin.set(kRecord, 1.0f);  // queued for the grid; extras dropped
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
    plugin.set(kRecSync, 0.0f);
    plugin.set(kRecord, 1.0f);
    EXPECT_EQ(plugin.display(kRecord), "Recording");
    plugin.set(kRecSync, 0.3f);
    plugin.set(kRecord, 0.0f);  // switching off never waits
    EXPECT_EQ(plugin.display(kRecord), "Waiting");

    // Rewind and Clear store their value and leave Record as it is.
    plugin.set(kRecSync, 0.0f);
    plugin.set(kRecord, 1.0f);
    plugin.set(kRewind, 0.0f);  // rewinds whatever the value
    EXPECT_EQ(plugin.get(kStatusPlayPos), 0.0f);
    plugin.set(kRewind, 0.6f);
    EXPECT_EQ(plugin.get(kRewind), 0.6f);
    plugin.set(kClear, 0.0f);
    EXPECT_EQ(plugin.get(kClear), 0.0f);
    plugin.set(kClear, 1.0f);  // starts the loop over and stays engaged
    EXPECT_EQ(plugin.get(kClear), 1.0f);
    EXPECT_EQ(plugin.get(kRecord), 1.0f);
    plugin.emptyBlock();  // the status values follow the engine's block
    EXPECT_EQ(plugin.get(kStatusRecordPos), 0.0f);
    EXPECT_EQ(plugin.get(kStatusRecordedLength), 0.0f);
    plugin.set(kRecord, 0.0f);
    plugin.set(kClear, 0.5f);  // and while bypassed it stays bypassed
    EXPECT_EQ(plugin.get(kRecord), 0.0f);
}

TEST(ParameterSetters, BpmLockCouplesLengthAndOffset) {
    TestHost host;
    PluginInstance plugin(host);
    // Locked at offset 0: ratio 1, so 25000 frames ask for 25000, clamped to 5000.
    plugin.set(kBpmLock, 1.0f);
    plugin.set(kLength, 0.5f);
    EXPECT_EQ(plugin.display(kOffset), "5000.000");
    EXPECT_EQ(plugin.get(kOffset), 1.0f);
    // Locked at 25000 : 312.5, a ratio of 80: 12800 frames give 160.
    plugin.set(kBpmLock, 0.0f);
    plugin.set(kOffset, 0.75f);
    plugin.set(kLength, 0.5f);
    EXPECT_EQ(plugin.display(kOffset), "312.5000");
    // An offset worked out in frames is the nearest at or above them that the
    // Offset value can express, so that the value written back restores it.
    plugin.set(kBpmLock, 1.0f);
    plugin.set(kLength, 0.4f);
    EXPECT_EQ(plugin.display(kOffset), "160.0001");
    EXPECT_NEAR(plugin.get(kOffset), offsetNormal(160.0), 1e-6);
    plugin.set(kBpmLock, 0.99f);  // anything but exactly 1.0 is no lock
    plugin.set(kLength, 0.5f);
    EXPECT_EQ(plugin.display(kOffset), "160.0001");

    // A lock taken at length 0 has the ratio 0: later lengths leave the offset.
    plugin.set(kLength, 0.0f);
    plugin.set(kOffset, 0.75f);
    plugin.set(kBpmLock, 1.0f);
    plugin.set(kLength, 0.5f);
    EXPECT_EQ(lengthFrames(plugin), 25000);
    EXPECT_EQ(plugin.get(kOffset), 0.75f);

    // "Studder" ends locked with an offset of 0 but the ratio of its first
    // steps. The Length it already has, as a host restoring a project or
    // resending automation writes it, moves nothing.
    plugin.setProgram(6);
    const float offset = plugin.get(kOffset);
    plugin.set(kLength, plugin.get(kLength));
    EXPECT_EQ(plugin.get(kOffset), offset);

    // Offset under the lock moves the Length by as many frames.
    plugin.set(kBpmLock, 0.0f);
    plugin.set(kLength, 0.5f);  // 25000 frames
    plugin.set(kOffset, 0.5f);  // 0 frames
    plugin.set(kBpmLock, 1.0f);
    plugin.set(kOffset, 0.75f);  // +312.5 frames
    EXPECT_EQ(plugin.display(kOffset), "312.5000");
    EXPECT_NEAR(plugin.get(kLength), 0.50207f, 5e-6);
    EXPECT_EQ(lengthFrames(plugin), 25312);
    EXPECT_EQ(plugin.display(kBpmLock), "On");  // state 2 shows as locked
    plugin.set(kLength, 0.4f);  // state 2: the Offset is not moved back
    EXPECT_EQ(plugin.display(kOffset), "312.5000");
    plugin.set(kOffset, 0.25f);  // and down: -625 frames from 12800
    EXPECT_NEAR(lengthFrames(plugin), 12800 - 625, 1);

    // A change that would make the length negative is not coupled: locked at
    // offset 0 (ratio 1), the lock stays in state 1 and Length moves Offset.
    plugin.set(kBpmLock, 0.0f);
    plugin.set(kLength, 0.0f);
    plugin.set(kOffset, 0.5f);
    plugin.set(kBpmLock, 1.0f);
    plugin.set(kOffset, 0.25f);
    EXPECT_EQ(lengthFrames(plugin), 0);
    plugin.set(kLength, 0.1f);
    EXPECT_EQ(plugin.display(kOffset), "200.0000");
}

TEST(ParameterSetters, RepeatLockKeepsTheOffsetInProportionToTheRepeats) {
    TestHost host;
    PluginInstance plugin(host);
    plugin.set(kOffset, 0.75f);
    plugin.set(kRepeatLock, 1.0f);
    plugin.set(kRepeats, 0.0625f);  // 1 to 2 repeats
    EXPECT_EQ(plugin.get(kRepeats), 0.0625f);
    EXPECT_NEAR(offsetFrames(plugin), 625.0, 0.001);
    plugin.set(kRepeats, 0.125f);  // 2 to 3
    EXPECT_NEAR(offsetFrames(plugin), 937.5, 0.002);
    const std::string tripled = plugin.display(kOffset);
    plugin.set(kRepeatLock, 0.99f);
    plugin.set(kRepeats, 0.0f);
    EXPECT_EQ(plugin.display(kOffset), tripled);
    plugin.set(kOffset, 0.95f);  // 3280.5 frames, doubled past the end
    plugin.set(kRepeatLock, 1.0f);
    plugin.set(kRepeats, 0.0625f);
    EXPECT_EQ(plugin.get(kOffset), 1.0f);
}

// Mix and Bit Crush store any value, but their gains and steps come from the
// knob's range: a Mix of 2 is all dry, a Bit Crush of 5 is one bit.
TEST(ParameterSetters, MixAndBitCrushBeyondTheirRangeStillSound) {
    TestHost host;
    PluginInstance plugin(host);
    engine_test::Driver driver{host, plugin};
    engine_test::plainLoop(plugin, 1000);
    plugin.set(kRecord, 1.0f);
    plugin.set(kMix, 2.0f);
    EXPECT_EQ(plugin.get(kMix), 2.0f);
    const engine_test::Stereo input(256, 0.7f);
    EXPECT_EQ(driver.run(input).left, input.left);

    plugin.set(kMix, 0.0f);
    plugin.set(kBitCrush, 5.0f);
    EXPECT_EQ(driver.run(input).left, std::vector<float>(256, 0.5f));
    plugin.set(kBitCrush, 1e30f);
    EXPECT_EQ(driver.run(input).left, std::vector<float>(256, 0.5f));
}

}  // namespace
