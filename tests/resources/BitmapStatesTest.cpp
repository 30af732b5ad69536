// Every state of every control can be told apart, knob frames follow the
// knob's travel, switch images show their own position, and the transparent
// colour appears exactly where the panel is meant to show through.
#include "tests/resources/BitmapFiles.h"
#include "tests/resources/ExpectedBitmaps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace artwork::testing {
namespace {

// Two states count as distinguishable when at least this many pixels differ
// clearly: a lamp lighting up or a cap sinking changes far more.
constexpr int kClearDifference = 40;
constexpr int kMinimumChangedPixels = 6;

double luminance(const Pixel& p) { return 0.3 * p.r + 0.59 * p.g + 0.11 * p.b; }

TEST(BitmapStates, EveryImageOfABitmapDiffersFromEveryOther) {
    for (const ExpectedBitmap& expected : kExpectedBitmaps) {
        if (expected.images < 2) continue;
        Surface bitmap = loadCommitted(expected.id);
        ASSERT_NE(bitmap, nullptr);
        for (int a = 0; a < expected.images; ++a)
            for (int b = a + 1; b < expected.images; ++b) {
                const int changed = countDifferentPixels(bitmap.get(), 0, a * expected.imageHeight, bitmap.get(), 0,
                                                         b * expected.imageHeight, expected.width,
                                                         expected.imageHeight, kClearDifference);
                EXPECT_GE(changed, kMinimumChangedPixels)
                    << "bitmap " << expected.id << ": images " << a << " and " << b << " look alike";
            }
    }
}

// Frame i of a knob strip points at value i / 18 of the 270-degree travel,
// clockwise from lower left: the pointer is bright there and the opposite
// side of the knob is not.
TEST(BitmapStates, KnobStripFramesPointAlongTheTravel) {
    constexpr int kFrames = 19, kFrameSize = 25;
    constexpr double kCentre = kFrameSize * 0.5, kProbeRadius = 7.0;
    for (int id : {170, 178}) {
        Surface strip = loadCommitted(id);
        ASSERT_NE(strip, nullptr);
        for (int frame = 0; frame < kFrames; ++frame) {
            const double value = double(frame) / (kFrames - 1);
            const double angle = 1.25 * std::numbers::pi - 1.5 * std::numbers::pi * value;
            auto probe = [&](double towards) {
                const int x = static_cast<int>(std::floor(kCentre + std::cos(towards) * kProbeRadius));
                const int y = static_cast<int>(std::floor(kCentre - std::sin(towards) * kProbeRadius));
                return luminance(pixelAt(strip.get(), x, frame * kFrameSize + y));
            };
            EXPECT_GT(probe(angle), 140) << "bitmap " << id << " frame " << frame;
            EXPECT_LT(probe(angle + std::numbers::pi), 100) << "bitmap " << id << " frame " << frame;
        }
    }
}

// The mean brightness of a band of pixels.
double bandBrightness(cairo_surface_t* bitmap, Rect band) {
    double sum = 0;
    for (int y = band.top; y < band.bottom; ++y)
        for (int x = band.left; x < band.right; ++x) sum += luminance(pixelAt(bitmap, x, y));
    return sum / (band.width() * band.height());
}

// The switch's lever, the brightest thing in the picture, stands in the
// zone that selects the image's position.
TEST(BitmapStates, SwitchImagesShowTheirOwnPosition) {
    struct Switch {
        int id, width, imageHeight, positions;
        bool horizontal;
    };
    for (const Switch& s : {Switch{133, 77, 17, 5, true}, Switch{135, 20, 58, 3, false}}) {
        Surface bitmap = loadCommitted(s.id);
        ASSERT_NE(bitmap, nullptr);
        const double zone = (s.horizontal ? s.width : s.imageHeight) / double(s.positions);
        for (int image = 0; image < s.positions; ++image) {
            int brightest = -1;
            double best = -1;
            for (int position = 0; position < s.positions; ++position) {
                const int from = static_cast<int>(std::ceil(zone * position));
                const int to = static_cast<int>(std::floor(zone * (position + 1)));
                const int top = image * s.imageHeight;
                const Rect band = s.horizontal ? Rect{from, top, to, top + s.imageHeight}
                                               : Rect{0, top + from, s.width, top + to};
                const double brightness = bandBrightness(bitmap.get(), band);
                if (brightness > best) best = brightness, brightest = position;
            }
            EXPECT_EQ(brightest, image) << "bitmap " << s.id;
        }
    }
}

// Only the knobs and their dots let the panel show through; every other
// picture covers its whole rectangle, so it has no pixel of its transparent
// colour (a gap left undrawn would show up here).
TEST(BitmapStates, OnlyTheKnobsHaveTransparentPixels) {
    for (const ExpectedBitmap& expected : kExpectedBitmaps) {
        if (expected.redIsTransparent || expected.id == 128) continue;  // 128 is the Length knob
        Surface bitmap = loadCommitted(expected.id);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(countPixelsOfColour(bitmap.get(), {0, 0, expected.width, expected.height}, 255, 255, 255), 0)
            << "bitmap " << expected.id;
    }
}

// The round knobs and dots: their four corners are the transparent colour,
// and nothing of that colour is left inside their face.
TEST(BitmapStates, KnobsAndDotsAreRoundOnTheirTransparentColour) {
    struct Round {
        int id, size, images;
        bool onRed;
        double solidRadius;
    };
    for (const Round& round : {Round{170, 25, 19, true, 10.0}, Round{178, 25, 19, true, 10.0},
                               Round{130, 4, 1, true, 1.5}, Round{180, 4, 1, true, 1.5},
                               Round{128, 58, 1, false, 27.5}}) {
        SCOPED_TRACE(round.id);
        Surface bitmap = loadCommitted(round.id);
        ASSERT_NE(bitmap, nullptr);
        const int r = 255, g = round.onRed ? 0 : 255, b = g;
        const double centre = round.size * 0.5;
        for (int top = 0; top < round.images * round.size; top += round.size) {
            for (int x : {0, round.size - 1})
                for (int y : {0, round.size - 1})
                    EXPECT_TRUE(hasColour(pixelAt(bitmap.get(), x, top + y), r, g, b)) << x << "," << top + y;
            for (int y = 0; y < round.size; ++y)
                for (int x = 0; x < round.size; ++x)
                    if (std::hypot(x + 0.5 - centre, y + 0.5 - centre) <= round.solidRadius) {
                        EXPECT_FALSE(hasColour(pixelAt(bitmap.get(), x, top + y), r, g, b)) << x << "," << top + y;
                    }
        }
    }
}

}  // namespace
}  // namespace artwork::testing
