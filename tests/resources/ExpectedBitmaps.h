// The editor's bitmap set as the window needs it, written out independently
// of the artwork program's own table: number, size, image height, number of
// images, and whether red (rather than white) is its transparent colour.
#pragma once

namespace artwork::testing {

struct ExpectedBitmap {
    int id, width, height, imageHeight, images;
    bool redIsTransparent;
};

inline constexpr ExpectedBitmap kExpectedBitmaps[] = {
    {127, 400, 400, 400, 1, false}, {128, 58, 58, 58, 1, false},   {129, 75, 74, 74, 1, false},
    {130, 4, 4, 4, 1, true},        {180, 4, 4, 4, 1, true},       {133, 77, 85, 17, 5, false},
    {134, 19, 34, 17, 2, false},    {135, 20, 174, 58, 3, false},  {136, 77, 17, 17, 1, false},
    {137, 9, 16, 16, 1, false},     {181, 9, 16, 16, 1, false},    {138, 309, 51, 51, 1, false},
    {140, 19, 19, 19, 1, false},    {141, 19, 19, 19, 1, false},   {147, 9, 17, 8, 2, false},
    {151, 14, 28, 14, 2, false},    {156, 66, 16, 16, 1, false},   {159, 25, 48, 24, 2, false},
    {160, 25, 96, 24, 4, false},    {161, 25, 48, 24, 2, false},   {162, 25, 48, 24, 2, false},
    {163, 100, 82, 41, 2, false},   {164, 24, 48, 24, 2, false},   {165, 24, 48, 24, 2, false},
    {166, 78, 24, 12, 2, false},    {168, 50, 18, 9, 2, false},    {169, 90, 25, 25, 1, false},
    {170, 25, 475, 25, 19, true},   {178, 25, 475, 25, 19, true},  {171, 19, 18, 18, 1, false},
    {172, 19, 18, 18, 1, false},    {174, 65, 17, 17, 1, false},   {175, 48, 17, 17, 1, false},
    {176, 89, 23, 23, 1, false},    {179, 81, 16, 16, 1, false},
    // In the set, shown by no control.
    {132, 6, 120, 12, 10, false},   {150, 14, 28, 14, 2, false},   {157, 25, 48, 24, 2, false},
    {173, 84, 520, 20, 26, false},  {177, 28, 16, 16, 1, false},
};

}  // namespace artwork::testing
