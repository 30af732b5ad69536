// The loop scope's screen, once for the whole buffer (x1) and once for the
// zoomed view (x10). The scope draws the loop's levels as bars about row 18
// and its play cursor from row 2 to row 37, inside a two-pixel border.
#include "resources/artwork/DisplayArt.h"
#include "resources/artwork/LegendStyles.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelLayout.h"

#include <cmath>

namespace artwork {
namespace {

constexpr int kImageHeight = 41;
constexpr int kBorder = 2;
constexpr int kLevelCentreRow = 18;
constexpr int kLevelHalfHeight = 18;

void drawGrid(cairo_t* cr, double width, int columns) {
    const double inner = width - 2 * kBorder;
    for (int column = 1; column < columns; ++column) {
        const double x = kBorder + inner * column / columns;
        fillBox(cr, {std::round(x), kBorder, 1, kImageHeight - 2.0 * kBorder}, palette::kScreenGrid);
    }
    const double quarter = kLevelHalfHeight * 0.5;
    for (double y : {kLevelCentreRow - quarter, kLevelCentreRow + quarter})
        fillBox(cr, {kBorder, std::round(y), inner, 1}, palette::kScreenGrid);
    fillBox(cr, {kBorder, kLevelCentreRow, inner, 1}, palette::kScreenGrid.lighter(0.12));
}

void drawScreen(cairo_t* cr, const ArtContext& context, bool zoomed) {
    const double width = layout::kLoopScope.width();
    fillBox(cr, {0, 0, width, kImageHeight}, palette::kScreen);
    drawGrid(cr, width, zoomed ? 16 : 8);
    drawBevel(cr, {0, 0, width, kImageHeight}, palette::kEngraveShadow, palette::kEngraveLight);
    drawBevel(cr, {1, 1, width - 2, kImageHeight - 2.0}, palette::kWell, palette::kScreen.lighter(0.05));
    TextStyle style = legend::kSmallCaption;
    style.colour = palette::kLegendDim;
    context.fonts().draw(cr, style, zoomed ? "x10" : "x1", width - kBorder - 2, kImageHeight - kBorder - 2,
                         Align::Right);
}

}  // namespace

void drawLoopScopeScreen(cairo_t* cr, const ArtContext& context) {
    forEachImage(cr, 2, kImageHeight, [&](int image) { drawScreen(cr, context, image == 1); });
}

}  // namespace artwork
