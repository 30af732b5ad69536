// Value displays and option menus: dark glass fields the window writes its
// text on. The menus carry a small mark at the right end; the Length Quant
// menu shows only the left half of its field, so the field reads as whole
// without the mark.
#include "resources/artwork/DisplayArt.h"
#include "resources/artwork/Icons.h"
#include "resources/artwork/Keys.h"
#include "resources/artwork/LegendStyles.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelLayout.h"

namespace artwork {
namespace {

constexpr double kArrowSpace = 7;

void drawGlassSheen(cairo_t* cr, double width, double height) {
    cairo_rectangle(cr, 1, 1, width - 2, height * 0.45);
    setVerticalGradient(cr, 1, 1 + height * 0.45, palette::kScreen.lighter(0.07), palette::kScreen);
    cairo_fill(cr);
}

}  // namespace

void drawScreenField(cairo_t* cr, double width, double height, bool arrow) {
    fillBox(cr, {0, 0, width, height}, palette::kScreen);
    drawGlassSheen(cr, width, height);
    drawBevel(cr, {0, 0, width, height}, palette::kEngraveShadow, palette::kEngraveLight);
    if (arrow)
        drawPixelTriangle(cr, static_cast<int>(width - kArrowSpace), static_cast<int>(height * 0.5) - 1, 3, false,
                          palette::kLegendDim);
}

void drawLengthDisplay(cairo_t* cr, const ArtContext&) {
    drawScreenField(cr, layout::kLengthDisplay.width(), layout::kLengthDisplay.height(), false);
}

void drawOffsetDisplay(cairo_t* cr, const ArtContext&) {
    drawScreenField(cr, layout::kOffsetDisplay.width(), layout::kOffsetDisplay.height(), false);
}

void drawSyncMenuField(cairo_t* cr, const ArtContext&) {
    drawScreenField(cr, layout::kRecSyncMenu.width(), layout::kRecSyncMenu.height(), true);
}

// No menu mark: the Pitch phase key covers that corner.
void drawPitchModeField(cairo_t* cr, const ArtContext&) {
    drawScreenField(cr, layout::kPitchModeMenu.width(), layout::kPitchModeMenu.height(), false);
}

void drawModulatorField(cairo_t* cr, const ArtContext&) {
    drawScreenField(cr, layout::kModulatorModeMenu.width(), layout::kModulatorModeMenu.height(), true);
}

// The filter menu shows no text of its own: a wide key that names what it
// opens, the filter type and the sweep settings.
void drawFilterMenuKey(cairo_t* cr, const ArtContext& context) {
    const Rect menu = layout::kFilterMenu;
    const Box face = drawKey(cr, menu.width(), menu.height(), KeyState::Up);
    TextStyle style = legend::kCaption;
    style.tracking = 0.8;
    context.fonts().drawCentred(cr, style, "TYPE / SWEEP", face.cx() - 4, face.cy());
    drawPixelTriangle(cr, static_cast<int>(face.x + face.w) - 10, static_cast<int>(face.cy()) - 1, 4, false,
                      palette::kText);
}

}  // namespace artwork
