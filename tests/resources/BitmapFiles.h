// Reading the committed bitmaps and comparing their pixels.
#pragma once

#include "resources/artwork/Canvas.h"
#include "resources/artwork/Geometry.h"

#include <string>

namespace artwork::testing {

std::string committedPath(int id);

// The committed bitmap `id`; fails the calling test (and returns null) when
// the file is missing or unreadable.
Surface loadCommitted(int id);

// Pixels of the `width` x `height` area at (ax, ay) in `a` and (bx, by) in
// `b` whose colours differ by more than `tolerance` in some channel.
int countDifferentPixels(cairo_surface_t* a, int ax, int ay, cairo_surface_t* b, int bx, int by, int width,
                         int height, int tolerance);

// Pixels of `area` in `surface` that have exactly the colour (r, g, b).
int countPixelsOfColour(cairo_surface_t* surface, Rect area, int r, int g, int b);

bool hasColour(const Pixel& pixel, int r, int g, int b);

}  // namespace artwork::testing
