// Small pictograms for keys and legends, drawn as filled paths so they stay
// crisp at a few pixels.
#pragma once

#include "resources/artwork/Colour.h"

#include <cairo.h>

namespace artwork {

enum class Pointing { Left, Right, Up, Down };

// A solid triangle of the given width and height, centred on (cx, cy).
void drawTriangle(cairo_t* cr, double cx, double cy, double width, double height, Pointing pointing,
                  Colour colour);

// A triangle laid on whole pixels, for marks only a few pixels tall: `rows`
// rows, 2 * rows - 1 pixels wide at its base, with its base's left end at
// (left, top) when pointing down, or its base at the bottom row when up.
void drawPixelTriangle(cairo_t* cr, int left, int top, int rows, bool pointingUp, Colour colour);

// A padlock about 5 x 7 pixels; the shackle is open to one side when unlocked.
void drawPadlock(cairo_t* cr, double cx, double cy, bool locked, Colour colour);

// A horizontal arrow `length` long; both heads for a two-way arrow.
void drawArrow(cairo_t* cr, double cx, double cy, double length, bool left, bool right, Colour colour);

}  // namespace artwork
