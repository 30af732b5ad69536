// The render's transport: musical position and bar start follow the frame
// exactly, also right on a bar line, where rounding could drop a bar.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/render/Transport.h"

TEST(Transport, PositionInQuarterNotesAndBarStartFollowTheFrame) {
    Transport transport(44100.0, 120.0);  // a bar is 88200 frames
    const struct {
        int64_t frame;
        double ppq;
        double barStart;
    } cases[] = {{0, 0.0, 0.0}, {22050, 1.0, 0.0}, {88199, 88199.0 / 22050.0, 0.0},
                 {88200, 4.0, 4.0}, {3 * 88200 + 1, 12.0 + 1.0 / 22050.0, 12.0}};
    for (const auto& c : cases) {
        transport.moveTo(c.frame);
        const VstTimeInfo& info = *transport.timeInfo();
        EXPECT_EQ(info.samplePos, static_cast<double>(c.frame));
        EXPECT_NEAR(info.ppqPos, c.ppq, 1e-9) << c.frame;
        EXPECT_EQ(info.barStartPos, c.barStart) << c.frame;
    }

    // Every bar line starts its own bar, also where the division lands a
    // hair below it (at 42 BPM bar 15 comes out as 59.99999999999999).
    Transport slow(44100.0, 42.0);  // 252000 frames a bar
    for (int bar = 1; bar < 200; ++bar) {
        slow.moveTo(252000LL * bar);
        EXPECT_EQ(slow.timeInfo()->barStartPos, 4.0 * bar) << bar;
    }
    Transport odd(48000.0, 128.7);
    const double framesPerBar = 48000.0 * 240.0 / 128.7;
    for (int bar = 1; bar < 200; ++bar) {
        odd.moveTo(static_cast<int64_t>(std::ceil(bar * framesPerBar)));
        EXPECT_EQ(odd.timeInfo()->barStartPos, 4.0 * bar) << bar;
    }
    EXPECT_EQ(odd.timeInfo()->flags & kVstTransportPlaying, kVstTransportPlaying);
    EXPECT_EQ(odd.timeInfo()->tempo, 128.7);
    EXPECT_EQ(odd.timeInfo()->sampleRate, 48000.0);
}
