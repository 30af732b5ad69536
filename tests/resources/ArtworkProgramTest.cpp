// The committed bitmaps are exactly what the artwork program draws: run it
// into a fresh folder and compare every file pixel for pixel. After a change
// to the drawing code, `cmake --build <build> --target artwork` redraws them.
#include "tests/resources/BitmapFiles.h"
#include "tests/resources/ExpectedBitmaps.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>

namespace artwork::testing {
namespace {

namespace fs = std::filesystem;

int runProgram(const std::string& arguments) {
    const std::string command = std::string(ZARVOLINE_ARTWORK_PROGRAM) + " " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Bit depth and colour type, read from the header that follows the signature.
std::pair<int, int> pngFormat(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[26] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    return {header[24], header[25]};
}

class ArtworkProgram : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zarvoline-artwork-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory = pattern;
    }
    void TearDown() override {
        if (!directory.empty()) fs::remove_all(directory);
    }
    fs::path directory;
};

TEST_F(ArtworkProgram, DrawsExactlyTheCommittedBitmapsAtTheSizesTheWindowNeeds) {
    ASSERT_EQ(runProgram(directory.string()), 0);
    std::set<std::string> expectedFiles, drawnFiles;
    for (const ExpectedBitmap& expected : kExpectedBitmaps) {
        SCOPED_TRACE(expected.id);
        const std::string name = std::to_string(expected.id) + ".png";
        expectedFiles.insert(name);
        Surface drawn = readPng((directory / name).string());
        Surface committed = loadCommitted(expected.id);
        ASSERT_NE(drawn, nullptr);
        ASSERT_NE(committed, nullptr);
        for (cairo_surface_t* bitmap : {drawn.get(), committed.get()}) {
            ASSERT_EQ(cairo_image_surface_get_width(bitmap), expected.width);
            ASSERT_EQ(cairo_image_surface_get_height(bitmap), expected.height);
        }
        EXPECT_EQ(countDifferentPixels(drawn.get(), 0, 0, committed.get(), 0, 0, expected.width, expected.height, 0),
                  0)
            << "resources/bitmaps/" << expected.id << ".png is not what the program draws; "
            << "redraw with the `artwork` target";
        // 8-bit RGB without alpha: transparency comes only from the transparent colour.
        EXPECT_EQ(pngFormat(committedPath(expected.id)), std::pair(8, 2));
    }
    for (const fs::directory_entry& file : fs::directory_iterator(directory))
        drawnFiles.insert(file.path().filename().string());
    EXPECT_EQ(drawnFiles, expectedFiles);
}

TEST_F(ArtworkProgram, FailsWhenItCannotWrite) {
    EXPECT_EQ(runProgram((directory / "missing" / "folder").string()), 1);
    EXPECT_EQ(runProgram(""), 2);
}

}  // namespace
}  // namespace artwork::testing
