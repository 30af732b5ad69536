// Keys, toggles and menu buttons. Every key shows its states as a cap that
// is up or held down and a lamp that is dark or lit.
#pragma once

#include "resources/artwork/ArtContext.h"

#include <cairo.h>

namespace artwork {

// Transport column and offset jumps.
void drawRecordKey(cairo_t* cr, const ArtContext& context);       // 160: idle, on, pending off, pending on
void drawRewindKey(cairo_t* cr, const ArtContext& context);       // 161
void drawClearKey(cairo_t* cr, const ArtContext& context);        // 159
void drawReleaseKey(cairo_t* cr, const ArtContext& context);      // 162
void drawJumpForwardKey(cairo_t* cr, const ArtContext& context);  // 164
void drawJumpBackKey(cairo_t* cr, const ArtContext& context);     // 165

// Small toggles.
void drawBpmLockKey(cairo_t* cr, const ArtContext& context);     // 134
void drawTouchRecKey(cairo_t* cr, const ArtContext& context);    // 151
void drawPitchPhaseKey(cairo_t* cr, const ArtContext& context);  // 147

// Buttons that open a menu, and the same while the menu is open.
void drawMenuKey(cairo_t* cr, const ArtContext& context);             // 140
void drawMenuKeyOpen(cairo_t* cr, const ArtContext& context);         // 141
void drawLengthMenuKey(cairo_t* cr, const ArtContext& context);       // 171
void drawLengthMenuKeyOpen(cairo_t* cr, const ArtContext& context);   // 172

}  // namespace artwork

namespace artwork {

// Parts of the set that the window does not show.
void drawSpareLampKey(cairo_t* cr, const ArtContext& context);  // 150
void drawSpareSyncKey(cairo_t* cr, const ArtContext& context);  // 157

}  // namespace artwork
