// Copying part of a bitmap into a picture the way the window's controls do:
// opaque, or leaving out the bitmap's transparent colour.
#pragma once

#include "resources/artwork/Colour.h"
#include "resources/artwork/Geometry.h"

#include <cairo.h>

#include <optional>

namespace artwork {

// Copies the `to`-sized rectangle of `bitmap` starting at (sourceX, sourceY)
// to `to` in `target`; pixels of `transparent`, if given, are skipped.
void blit(cairo_surface_t* target, cairo_surface_t* bitmap, Rect to, int sourceX, int sourceY,
          std::optional<Colour> transparent);

}  // namespace artwork
