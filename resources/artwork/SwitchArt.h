// Multi-position switches and the sliders' parts.
#pragma once

#include "resources/artwork/ArtContext.h"

#include <cairo.h>

namespace artwork {

void drawDivisionSwitch(cairo_t* cr, const ArtContext& context);   // 133: five positions, left to right
void drawDirectionSwitch(cairo_t* cr, const ArtContext& context);  // 135: three positions, top to bottom

void drawSliderTrack(cairo_t* cr, const ArtContext& context);        // 136
void drawSliderHandle(cairo_t* cr, const ArtContext& context);       // 137
void drawSliderTouchHandle(cairo_t* cr, const ArtContext& context);  // 181

// A fader cap of the given size with a centre index line in its groove, at
// the origin.
void drawFaderCap(cairo_t* cr, double width, double height, Colour index, Colour indexGroove);

}  // namespace artwork
