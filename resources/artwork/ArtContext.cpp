#include "resources/artwork/ArtContext.h"

#include "resources/artwork/PanelArt.h"
#include "resources/artwork/PanelLayout.h"

namespace artwork {

ArtContext::ArtContext()
    : panelBase_(makeSurface(CAIRO_FORMAT_RGB24, layout::kWindow.width(), layout::kWindow.height())) {
    Context cr = makeContext(panelBase_.get());
    drawPanelBase(cr.get());
}

void ArtContext::paintPanelUnder(cairo_t* cr, Rect placement) const {
    cairo_save(cr);
    cairo_set_source_surface(cr, panelBase_.get(), -placement.left, -placement.top);
    cairo_rectangle(cr, 0, 0, placement.width(), placement.height());
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace artwork
