// An RGB colour for drawing, with the few blends the artwork needs.
#pragma once

#include <cairo.h>

namespace artwork {

struct Colour {
    double r = 0.0, g = 0.0, b = 0.0;

    static constexpr Colour bytes(int red, int green, int blue) {
        return {red / 255.0, green / 255.0, blue / 255.0};
    }

    // `amount` 0 keeps this colour, 1 gives `other`.
    constexpr Colour mixedWith(Colour other, double amount) const {
        return {r + (other.r - r) * amount, g + (other.g - g) * amount, b + (other.b - b) * amount};
    }
    constexpr Colour lighter(double amount) const { return mixedWith({1.0, 1.0, 1.0}, amount); }
    constexpr Colour darker(double amount) const { return mixedWith({0.0, 0.0, 0.0}, amount); }
};

inline void setColour(cairo_t* cr, Colour colour, double alpha = 1.0) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

inline void addStop(cairo_pattern_t* pattern, double offset, Colour colour, double alpha = 1.0) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, colour.r, colour.g, colour.b, alpha);
}

}  // namespace artwork
