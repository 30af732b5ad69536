// The committed bitmaps are exactly what the artwork program draws: run it
// into a fresh folder and compare every file pixel for pixel. After a change
// to the drawing code, `cmake --build <build> --target artwork` redraws them.
#include "resources/artwork/Canvas.h"

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

// The editor's bitmap set as the window needs it, written out independently
// of the artwork program's own table: number, width, height.
struct ExpectedBitmap {
    int id, width, height;
};

constexpr ExpectedBitmap kExpectedBitmaps[] = {
    {127, 400, 400}, {128, 58, 58},  {129, 75, 74},   {130, 4, 4},     {180, 4, 4},    {133, 77, 85},
    {134, 19, 34},   {135, 20, 174}, {136, 77, 17},   {137, 9, 16},    {181, 9, 16},   {138, 309, 51},
    {140, 19, 19},   {141, 19, 19},  {147, 9, 17},    {151, 14, 28},   {156, 66, 16},  {159, 25, 48},
    {160, 25, 96},   {161, 25, 48},  {162, 25, 48},   {163, 100, 82},  {164, 24, 48},  {165, 24, 48},
    {166, 78, 24},   {168, 50, 18},  {169, 90, 25},   {170, 25, 475},  {178, 25, 475}, {171, 19, 18},
    {172, 19, 18},   {174, 65, 17},  {175, 48, 17},   {176, 89, 23},   {179, 81, 16},
    // In the set, shown by no control.
    {132, 6, 120},   {150, 14, 28},  {157, 25, 48},   {173, 84, 520},  {177, 28, 16},
};

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

int countDifferentPixels(cairo_surface_t* a, cairo_surface_t* b, int width, int height) {
    int different = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Pixel p = pixelAt(a, x, y), q = pixelAt(b, x, y);
            if (p.r != q.r || p.g != q.g || p.b != q.b) ++different;
        }
    return different;
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
        const std::string committedPath = std::string(ZARVOLINE_BITMAP_DIR) + "/" + name;
        expectedFiles.insert(name);
        Surface drawn = readPng((directory / name).string());
        Surface committed = readPng(committedPath);
        ASSERT_NE(drawn, nullptr);
        ASSERT_NE(committed, nullptr) << "cannot read " << committedPath;
        for (cairo_surface_t* bitmap : {drawn.get(), committed.get()}) {
            ASSERT_EQ(cairo_image_surface_get_width(bitmap), expected.width);
            ASSERT_EQ(cairo_image_surface_get_height(bitmap), expected.height);
        }
        EXPECT_EQ(countDifferentPixels(drawn.get(), committed.get(), expected.width, expected.height), 0)
            << "resources/bitmaps/" << name << " is not what the program draws; redraw with the `artwork` target";
        // 8-bit RGB without alpha: transparency comes only from the transparent colour.
        EXPECT_EQ(pngFormat(committedPath), std::pair(8, 2));
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
