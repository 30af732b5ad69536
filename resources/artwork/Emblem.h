// The instrument's mark: one slice of sound and its repeats, each quieter
// than the one before.
#pragma once

#include "resources/artwork/Colour.h"
#include "resources/artwork/Painter.h"

#include <cairo.h>

namespace artwork {

// Draws the mark filling `box`: the slice in `slice`, the repeats fading
// from `repeat` towards the panel.
void drawStutterMark(cairo_t* cr, Box box, Colour slice, Colour repeat);

}  // namespace artwork
