// The window's background (bitmap 127): the bare panel, and the panel with
// its printed legends.
#pragma once

#include "resources/artwork/ArtContext.h"
#include "resources/artwork/Geometry.h"

#include <cairo.h>

namespace artwork {

// Finish, title band, recesses around the controls and the knob scales.
void drawPanelBase(cairo_t* cr);

// The bare panel plus every legend.
void drawPanel(cairo_t* cr, const ArtContext& context);

// The legends alone, drawn over the bare panel.
void drawPanelLegends(cairo_t* cr, const ArtContext& context);

}  // namespace artwork
