// What every drawing function may use besides its own cairo context: the
// lettering, and the bare panel (finish, recesses and scales, no legends) so
// that a bitmap drawn opaquely over the panel can carry the piece of panel it
// covers and sit in it without a seam.
#pragma once

#include "resources/artwork/Canvas.h"
#include "resources/artwork/Fonts.h"
#include "resources/artwork/Geometry.h"

namespace artwork {

class ArtContext {
public:
    ArtContext();

    const Fonts& fonts() const { return fonts_; }
    cairo_surface_t* panelBase() const { return panelBase_.get(); }

    // Paints, at (0, 0) of `cr`, the bare panel as it lies under `placement`.
    void paintPanelUnder(cairo_t* cr, Rect placement) const;

private:
    Fonts fonts_;
    Surface panelBase_;
};

}  // namespace artwork
