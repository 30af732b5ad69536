// Knobs: the two strips of small turned knobs (19 images each), the bodies of
// the Length and Offset knobs, and the dots that travel around those bodies.
#pragma once

#include "resources/artwork/ArtContext.h"

#include <cairo.h>

namespace artwork {

void drawSmallKnobStrip(cairo_t* cr, const ArtContext& context);   // 170
void drawGrooveKnobStrip(cairo_t* cr, const ArtContext& context);  // 178: Shuffle and Gate
void drawLengthKnobBody(cairo_t* cr, const ArtContext& context);   // 128
void drawOffsetKnobBody(cairo_t* cr, const ArtContext& context);   // 129
void drawHandleDot(cairo_t* cr, const ArtContext& context);        // 130
void drawTouchHandleDot(cairo_t* cr, const ArtContext& context);   // 180

}  // namespace artwork
