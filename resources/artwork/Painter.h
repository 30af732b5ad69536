// Drawing primitives shared by every kind of part: rounded shapes, gradients,
// recesses, lamps, and the loop over the stacked images of a bitmap.
#pragma once

#include "resources/artwork/Colour.h"

#include <cairo.h>

namespace artwork {

struct Box {
    double x = 0.0, y = 0.0, w = 0.0, h = 0.0;
    constexpr Box inset(double by) const { return {x + by, y + by, w - 2 * by, h - 2 * by}; }
    constexpr double cx() const { return x + w * 0.5; }
    constexpr double cy() const { return y + h * 0.5; }
};

void roundedRectPath(cairo_t* cr, Box box, double radius);
void fillBox(cairo_t* cr, Box box, Colour colour);
void fillRounded(cairo_t* cr, Box box, double radius, Colour colour);

// A vertical gradient from `top` at y0 to `bottom` at y1, as the source.
void setVerticalGradient(cairo_t* cr, double y0, double y1, Colour top, Colour bottom);

// A one-pixel frame: upper and left edges in `light`, lower and right in `dark`.
void drawBevel(cairo_t* cr, Box box, Colour light, Colour dark);

// A recess cut into the panel: dark floor, shadowed upper edge, a catch of
// light along the lower edge.
void drawWell(cairo_t* cr, Box box, double radius);

// A round lamp; lit lamps glow beyond their lens by `glow` pixels.
void drawLamp(cairo_t* cr, double cx, double cy, double radius, Colour lit, Colour unlit, bool on,
              double glow = 0.0);

// Straight line with butt ends between two points.
void drawLine(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Colour colour);

// Calls drawImage(i) for every image of a vertically stacked bitmap, with
// the origin moved to the image's top and drawing clipped to it.
template <typename DrawImage>
void forEachImage(cairo_t* cr, int images, int imageHeight, DrawImage drawImage) {
    for (int image = 0; image < images; ++image) {
        cairo_save(cr);
        cairo_translate(cr, 0, image * imageHeight);
        cairo_rectangle(cr, 0, 0, 4096, imageHeight);
        cairo_clip(cr);
        drawImage(image);
        cairo_restore(cr);
    }
}

}  // namespace artwork
