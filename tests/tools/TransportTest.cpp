// The render's transport: musical position and bar start follow the frame
// exactly, also right on a bar line, where rounding could drop a bar.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/render/Transport.h"

TEST(Transport, PositionInQuarterNotesAndBarStartFollowTheFrame) {
    Transport transport(44100.0, 120.0);  // a bar is 88200 frames
    transport.moveTo(3 * 88200 - 1);
    EXPECT_EQ(transport.timeInfo()->samplePos, 3 * 88200 - 1);
    EXPECT_NEAR(transport.timeInfo()->ppqPos, 12.0 - 1.0 / 22050.0, 1e-9);
    EXPECT_EQ(transport.timeInfo()->barStartPos, 8.0);

    // Every bar line starts its own bar, also where the division lands a
    // hair below it (at 42 BPM, 252000 frames a bar, bar 15 comes out as 59.99999999999999).
    for (const auto& [rate, tempo] : {std::pair{44100.0, 42.0}, std::pair{48000.0, 128.7}}) {
        Transport odd(rate, tempo);
        const double framesPerBar = rate * 240.0 / tempo;
        for (int bar = 1; bar < 200; ++bar) {
            odd.moveTo(static_cast<int64_t>(std::ceil(bar * framesPerBar)));
            EXPECT_EQ(odd.timeInfo()->barStartPos, 4.0 * bar) << tempo << " BPM, bar " << bar;
        }
    }
}
