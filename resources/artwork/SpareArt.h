// Bitmaps of the set that no control of the window shows; drawn in the same
// style so the set stays complete.
#pragma once

#include "resources/artwork/ArtContext.h"

#include <cairo.h>

namespace artwork {

void drawDigitStrip(cairo_t* cr, const ArtContext& context);    // 132: 0 to 9
void drawFaderStrip(cairo_t* cr, const ArtContext& context);    // 173: 26 fader positions
void drawSmallField(cairo_t* cr, const ArtContext& context);    // 177

}  // namespace artwork
