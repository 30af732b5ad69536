// zarvoline-panel as the demo runs it: a picture of the whole window, the
// loop scope showing the input played through it, and one-line errors.
#include <gtest/gtest.h>

#include <cairo.h>
#include <sndfile.h>
#include <unistd.h>

#include <filesystem>

#include "tests/tools/CommandRunner.h"
#include "tests/tools/WavFiles.h"

namespace fs = std::filesystem;

namespace {

struct Picture {
    explicit Picture(const std::string& path) : surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(surface); }
    bool loaded() const { return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS; }
    int width() const { return cairo_image_surface_get_width(surface); }
    int height() const { return cairo_image_surface_get_height(surface); }
    uint32_t at(int x, int y) const {
        const auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
    }
    cairo_surface_t* surface;
};

TEST(PanelCommand, DrawsTheWindowWithTheInputInTheScopeAndReportsErrorsOnOneLine) {
    const fs::path dir = fs::path(testing::TempDir()) / ("panel-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string input = (dir / "in.wav").string();
    writeWav(input, testSignal(2, 44100, 44100), SF_FORMAT_FLOAT);
    auto panel = [&](std::vector<std::string> args) { return runCommand(ZARVOLINE_PANEL_PATH, args, dir.string()); };

    ASSERT_EQ(panel({"--program", "Studder", (dir / "quiet.png").string()}).exitStatus, 0);
    ASSERT_EQ(panel({"--program", "Studder", "--input", input, (dir / "played.png").string()}).exitStatus, 0);
    const Picture quiet((dir / "quiet.png").string()), played((dir / "played.png").string());
    ASSERT_TRUE(quiet.loaded() && played.loaded());
    EXPECT_EQ(quiet.width(), 400);
    EXPECT_EQ(quiet.height(), 400);
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

    const CommandResult unknown = panel({"--program", "No Such Program", (dir / "x.png").string()});
    EXPECT_EQ(unknown.exitStatus, 1);
    EXPECT_EQ(unknown.errLines(), 1);
    const CommandResult noOutput = panel({"--program", "Studder"});
    EXPECT_EQ(noOutput.exitStatus, 2);
    EXPECT_EQ(noOutput.errLines(), 1);
    fs::remove_all(dir);
}

}  // namespace
