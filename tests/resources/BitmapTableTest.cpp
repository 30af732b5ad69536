// Every bitmap the window loads is committed, with its exact size, stored as
// plain 24-bit colour, and the artwork program draws exactly this set.
#include "resources/artwork/BitmapCatalogue.h"
#include "tests/resources/BitmapFiles.h"
#include "tests/resources/ExpectedBitmaps.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace artwork::testing {
namespace {

constexpr int kBitmapCount = 40;

TEST(BitmapTable, EveryBitmapIsCommittedWithItsSize) {
    for (const ExpectedBitmap& expected : kExpectedBitmaps) {
        SCOPED_TRACE(expected.id);
        Surface bitmap = loadCommitted(expected.id);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(cairo_image_surface_get_width(bitmap.get()), expected.width);
        EXPECT_EQ(cairo_image_surface_get_height(bitmap.get()), expected.height);
        EXPECT_LE(expected.imageHeight * expected.images, expected.height);
    }
}

// Colour type 2, 8 bits per channel: red, green and blue without alpha, so
// transparency comes only from the transparent colour.
TEST(BitmapTable, FilesArePlainRgbPng) {
    constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    constexpr int kBitDepthOffset = 24, kColourTypeOffset = 25, kRgb = 2;
    for (const ExpectedBitmap& expected : kExpectedBitmaps) {
        SCOPED_TRACE(expected.id);
        std::ifstream file(committedPath(expected.id), std::ios::binary);
        unsigned char header[26] = {};
        ASSERT_TRUE(file.read(reinterpret_cast<char*>(header), sizeof header));
        EXPECT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), header));
        EXPECT_EQ(header[kBitDepthOffset], 8);
        EXPECT_EQ(header[kColourTypeOffset], kRgb);
    }
}

TEST(BitmapTable, ProgramDrawsExactlyTheSet) {
    std::set<int> expectedIds, drawnIds;
    for (const ExpectedBitmap& expected : kExpectedBitmaps) expectedIds.insert(expected.id);
    EXPECT_EQ(expectedIds.size(), std::size_t{kBitmapCount});
    for (const BitmapEntry& entry : bitmapCatalogue()) {
        SCOPED_TRACE(entry.id);
        drawnIds.insert(entry.id);
        const ExpectedBitmap* expected = nullptr;
        for (const ExpectedBitmap& candidate : kExpectedBitmaps)
            if (candidate.id == entry.id) expected = &candidate;
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(entry.width, expected->width);
        EXPECT_EQ(entry.height, expected->height);
        EXPECT_EQ(entry.imageHeight, expected->imageHeight);
        EXPECT_EQ(entry.images, expected->images);
        EXPECT_EQ(entry.transparent.g, expected->redIsTransparent ? 0.0 : 1.0);
    }
    EXPECT_EQ(drawnIds, expectedIds);
}

}  // namespace
}  // namespace artwork::testing
