// zarvoline-panel as the demo runs it: a picture of the whole window, the
// loop scope showing the input played through it, and one-line errors.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sndfile.h>

#include "tests/tools/CommandFiles.h"

namespace {

// The picture's pixels as 0xRRGGBB, row by row; empty unless it is 400 by 400.
std::vector<uint32_t> pixelsOf(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
    std::vector<uint32_t> pixels;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && cairo_image_surface_get_width(surface) == 400 &&
        cairo_image_surface_get_height(surface) == 400)
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                pixels.push_back(reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface) +
                                                                   y * cairo_image_surface_get_stride(surface))[x] & 0xFFFFFF);
    cairo_surface_destroy(surface);
    return pixels;
}

using PanelCommand = ScratchDir;

TEST_F(PanelCommand, DrawsTheWindowWithTheInputInTheScopeAndReportsErrorsOnOneLine) {
    writeWav(path("in.wav"), testSignal(2, 44100, 44100), SF_FORMAT_FLOAT);
    auto panel = [&](std::vector<std::string> args) { return run(ZARVOLINE_PANEL_PATH, args); };
    ASSERT_EQ(panel({"--program", "Studder", path("quiet.png")}).exitStatus, 0);
    ASSERT_EQ(panel({"--program", "Studder", "--input", path("in.wav"), path("played.png")}).exitStatus, 0);
    const auto quiet = pixelsOf(path("quiet.png")), played = pixelsOf(path("played.png"));
    ASSERT_TRUE(quiet.size() == 160000u && played.size() == 160000u);
    // The loop scope (291,247)-(391,329) shows what was recorded; the rest
    // of the window is the same program either way.
    int scopeDifferences = 0, elsewhereDifferences = 0;
    for (int i = 0; i < 160000; ++i) {
        const int x = i % 400, y = i / 400;
        if (quiet[i] != played[i]) ++(x >= 291 && x < 391 && y >= 247 && y < 329 ? scopeDifferences : elsewhereDifferences);
    }
    EXPECT_GT(scopeDifferences, 20);
    EXPECT_EQ(elsewhereDifferences, 0);

    const CommandResult unknown = panel({"--program", "No Such Program", path("x.png")});
    EXPECT_EQ(unknown.exitStatus, 1);
    EXPECT_EQ(unknown.errLines(), 1);
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--program", "Studder"}, {path("panel.jpg")}}) {
        const CommandResult usage = panel(wrong);
        EXPECT_EQ(usage.exitStatus, 2);
        EXPECT_EQ(usage.errLines(), 1);
    }
    EXPECT_FALSE(std::filesystem::exists(path("panel.jpg")));  // never PNG bytes under another format's name
}

}  // namespace
