// Colours as red, green, blue and alpha bytes; alpha 255 is opaque.
#pragma once

#include <cstdint>

struct Color {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;

    bool operator==(const Color&) const = default;
    bool sameRgb(const Color& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

constexpr Color kWhiteColor{255, 255, 255, 255};
constexpr Color kBlackColor{0, 0, 0, 255};
constexpr Color kRedColor{255, 0, 0, 255};
constexpr Color kGreyColor{127, 127, 127, 255};
