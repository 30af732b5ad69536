#include "tests/resources/BitmapFiles.h"

#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace artwork::testing {

std::string committedPath(int id) { return std::string(ZARVOLINE_BITMAP_DIR) + "/" + std::to_string(id) + ".png"; }

Surface loadCommitted(int id) {
    Surface surface = readPng(committedPath(id));
    EXPECT_NE(surface, nullptr) << "cannot read " << committedPath(id);
    return surface;
}

int countDifferentPixels(cairo_surface_t* a, int ax, int ay, cairo_surface_t* b, int bx, int by, int width,
                         int height, int tolerance) {
    int different = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Pixel p = pixelAt(a, ax + x, ay + y), q = pixelAt(b, bx + x, by + y);
            if (std::abs(p.r - q.r) > tolerance || std::abs(p.g - q.g) > tolerance || std::abs(p.b - q.b) > tolerance)
                ++different;
        }
    return different;
}

int countPixelsOfColour(cairo_surface_t* surface, Rect area, int r, int g, int b) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (hasColour(pixelAt(surface, x, y), r, g, b)) ++count;
    return count;
}

bool hasColour(const Pixel& pixel, int r, int g, int b) { return pixel.r == r && pixel.g == g && pixel.b == b; }

}  // namespace artwork::testing

namespace {

// Releases the caches of cairo and fontconfig once every test has run, so
// that the leak checker of the sanitizer builds sees a clean exit.
class FontCacheRelease : public ::testing::Environment {
public:
    void TearDown() override {
        cairo_debug_reset_static_data();
        FcFini();
    }
};

const ::testing::Environment* const kFontCacheRelease = ::testing::AddGlobalTestEnvironment(new FontCacheRelease);

}  // namespace
