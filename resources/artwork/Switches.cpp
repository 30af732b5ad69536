// Slide switches: a slot in a recessed plate and a metal lever that stands
// over the centre of the zone that selects its position.
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelLayout.h"
#include "resources/artwork/Palette.h"
#include "resources/artwork/SwitchArt.h"

namespace artwork {
namespace {

constexpr int kDivisionPositions = 5;
constexpr int kDivisionImageHeight = 17;
constexpr int kDirectionPositions = 3;
constexpr int kDirectionImageHeight = 58;

void drawSlot(cairo_t* cr, Box slot) {
    fillRounded(cr, {slot.x, slot.y + 1, slot.w, slot.h}, 1.5, palette::kEngraveLight);
    fillRounded(cr, slot, 1.5, palette::kEngraveShadow.darker(0.5));
}

void drawDetent(cairo_t* cr, double x, double y) { fillBox(cr, {x - 0.5, y, 1, 2}, palette::kLegendDim); }

// A lever seen from above: brushed metal block with a dark grip line across
// the direction it slides in.
void drawLever(cairo_t* cr, Box lever, bool slidesSideways) {
    fillRounded(cr, {lever.x, lever.y + 1, lever.w, lever.h}, 1.5, {0, 0, 0});
    roundedRectPath(cr, lever, 1.5);
    cairo_pattern_t* metal = cairo_pattern_create_linear(lever.x, lever.y, lever.x + lever.w, lever.y + lever.h);
    addStop(metal, 0.0, palette::kMetalLight);
    addStop(metal, 1.0, palette::kMetalDark);
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    const Colour grip = palette::kEngraveShadow;
    if (slidesSideways)
        fillBox(cr, {lever.cx() - 0.5, lever.y + 2, 1, lever.h - 4}, grip);
    else
        fillBox(cr, {lever.x + 2, lever.cy() - 0.5, lever.w - 4, 1}, grip);
}

}  // namespace

void drawDivisionSwitch(cairo_t* cr, const ArtContext&) {
    const double width = layout::kDivisionSwitch.width();
    const double zone = width / kDivisionPositions;
    forEachImage(cr, kDivisionPositions, kDivisionImageHeight, [&](int position) {
        fillBox(cr, {0, 0, width, kDivisionImageHeight}, palette::kWell);
        drawSlot(cr, {zone * 0.5 - 2, 7, width - zone + 4, 3});
        for (int detent = 0; detent < kDivisionPositions; ++detent) {
            drawDetent(cr, zone * (detent + 0.5), 2);
            drawDetent(cr, zone * (detent + 0.5), 13);
        }
        drawLever(cr, {zone * (position + 0.5) - 5, 2, 10, 12}, true);
    });
}

void drawDirectionSwitch(cairo_t* cr, const ArtContext&) {
    const double width = layout::kDirectionSwitch.width();
    const double zone = double(kDirectionImageHeight) / kDirectionPositions;
    forEachImage(cr, kDirectionPositions, kDirectionImageHeight, [&](int position) {
        fillBox(cr, {0, 0, width, kDirectionImageHeight}, palette::kWell);
        drawSlot(cr, {width * 0.5 - 1.5, zone * 0.5 - 2, 3, kDirectionImageHeight - zone + 4});
        for (int detent = 0; detent < kDirectionPositions; ++detent) {
            fillBox(cr, {2, zone * (detent + 0.5) - 0.5, 2, 1}, palette::kLegendDim);
            fillBox(cr, {width - 4, zone * (detent + 0.5) - 0.5, 2, 1}, palette::kLegendDim);
        }
        drawLever(cr, {width * 0.5 - 6, zone * (position + 0.5) - 5, 12, 10}, false);
    });
}

}  // namespace artwork
