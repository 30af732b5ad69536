// zarvoline-panel as the demo runs it: a picture of the whole window, the
// loop scope showing the input played through it, and one-line errors.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sndfile.h>

#include "tests/tools/CommandFiles.h"

namespace {

struct Picture {
    explicit Picture(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(surface); }
    bool is400By400() const {
        return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && cairo_image_surface_get_width(surface) == 400 &&
               cairo_image_surface_get_height(surface) == 400;
    }
    uint32_t at(int x, int y) const {
        const auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
    }
    cairo_surface_t* surface;
};

using PanelCommand = ScratchDir;

TEST_F(PanelCommand, DrawsTheWindowWithTheInputInTheScopeAndReportsErrorsOnOneLine) {
    writeWav(path("in.wav"), testSignal(2, 44100, 44100), SF_FORMAT_FLOAT);
    auto panel = [&](std::vector<std::string> args) { return run(ZARVOLINE_PANEL_PATH, args); };
    ASSERT_EQ(panel({"--program", "Studder", path("quiet.png")}).exitStatus, 0);
    ASSERT_EQ(panel({"--program", "Studder", "--input", path("in.wav"), path("played.png")}).exitStatus, 0);
    const Picture quiet(path("quiet.png")), played(path("played.png"));
    ASSERT_TRUE(quiet.is400By400() && played.is400By400());
    // The loop scope (291,247)-(391,329) shows what was recorded; the rest
    // of the window is the same program either way.
    int scopeDifferences = 0, elsewhereDifferences = 0;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
            const bool inScope = x >= 291 && x < 391 && y >= 247 && y < 329;
            if (quiet.at(x, y) != played.at(x, y)) ++(inScope ? scopeDifferences : elsewhereDifferences);
        }
    EXPECT_GT(scopeDifferences, 20);
    EXPECT_EQ(elsewhereDifferences, 0);

    const CommandResult unknown = panel({"--program", "No Such Program", path("x.png")});
    EXPECT_EQ(unknown.exitStatus, 1);
    EXPECT_EQ(unknown.errLines(), 1);
    const CommandResult noOutput = panel({"--program", "Studder"});
    EXPECT_EQ(noOutput.exitStatus, 2);
    EXPECT_EQ(noOutput.errLines(), 1);
}

}  // namespace
