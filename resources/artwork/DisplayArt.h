// Screens the window writes on: value displays, option menus, the loop
// scope, and the credits plate.
#pragma once

#include "resources/artwork/ArtContext.h"

#include <cairo.h>

namespace artwork {

void drawLengthDisplay(cairo_t* cr, const ArtContext& context);    // 174
void drawOffsetDisplay(cairo_t* cr, const ArtContext& context);    // 175
void drawSyncMenuField(cairo_t* cr, const ArtContext& context);    // 179: Rec Sync, Length Quant, Rec Offset
void drawPitchModeField(cairo_t* cr, const ArtContext& context);   // 156
void drawModulatorField(cairo_t* cr, const ArtContext& context);   // 176
void drawFilterMenuKey(cairo_t* cr, const ArtContext& context);    // 169
void drawLoopScopeScreen(cairo_t* cr, const ArtContext& context);  // 163: x1 and x10
void drawCreditsPlate(cairo_t* cr, const ArtContext& context);     // 138

// A dark glass field with a sunken edge, filling width x height at the
// origin; `arrow` adds the small mark of a menu at its right end.
void drawScreenField(cairo_t* cr, double width, double height, bool arrow);

}  // namespace artwork
