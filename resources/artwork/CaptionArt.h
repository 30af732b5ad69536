// Keys that are legends: the Division series (bitmap 166) and the REPEATS
// caption with its lock (bitmap 168). Their first image is exactly what the
// panel prints there, so the panel draws it with the same functions.
#pragma once

#include "resources/artwork/ArtContext.h"

#include <cairo.h>

namespace artwork {

// Five division numbers over the five positions of the Division switch,
// drawn at the origin: 1 2 4 8 16, or 1 3 5 7 9 for the odd series.
void drawDivisionSeries(cairo_t* cr, const Fonts& fonts, bool oddSeries);
// REPEATS, at the origin; lit and with a lock beside it when locked.
void drawRepeatsCaption(cairo_t* cr, const Fonts& fonts, bool locked);

void drawDivisionModeBitmap(cairo_t* cr, const ArtContext& context);
void drawRepeatLockBitmap(cairo_t* cr, const ArtContext& context);

}  // namespace artwork
