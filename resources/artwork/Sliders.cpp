// The slider track shared by Repeats and Mix, and its two handles.
#include "resources/artwork/Painter.h"
#include "resources/artwork/Palette.h"
#include "resources/artwork/SwitchArt.h"

#include <cmath>

namespace artwork {
namespace {

constexpr double kTrackWidth = 77, kTrackHeight = 17;
constexpr double kHandleWidth = 9, kHandleHeight = 16;
// The handle's left edge travels 68 pixels; a tick marks every sixteenth of
// that, which is every repeat count and every quarter of the mix.
constexpr double kHandleTravel = 68;
constexpr int kTicks = 16;

}  // namespace

void drawSliderTrack(cairo_t* cr, const ArtContext&) {
    fillBox(cr, {0, 0, kTrackWidth, kTrackHeight}, palette::kWell);
    for (int tick = 0; tick <= kTicks; ++tick) {
        const double x = kHandleWidth * 0.5 + kHandleTravel * tick / kTicks;
        const bool major = tick % 4 == 0;
        const double length = major ? 3 : 2;
        fillBox(cr, {x - 0.5, 1, 1, length}, major ? palette::kText : palette::kLegendDim);
        fillBox(cr, {x - 0.5, kTrackHeight - length, 1, length}, major ? palette::kText : palette::kLegendDim);
    }
    const Box slot{2, 7, kTrackWidth - 4, 3};
    fillRounded(cr, {slot.x, slot.y + 1, slot.w, slot.h}, 1.5, palette::kEngraveLight);
    fillRounded(cr, slot, 1.5, palette::kEngraveShadow.darker(0.5));
}

// Laid on whole pixels so the few columns of a small cap stay sharp: dark
// outline with clipped corners, brushed metal lit from the left, grip
// grooves across, and the index line down the middle.
void drawFaderCap(cairo_t* cr, double width, double height, Colour index, Colour indexGroove) {
    fillBox(cr, {0, 0, width, height}, palette::kEngraveShadow);
    cairo_rectangle(cr, 1, 1, width - 2, height - 2);
    cairo_pattern_t* metal = cairo_pattern_create_linear(1, 0, width - 1, 0);
    addStop(metal, 0.0, palette::kMetalLight.lighter(0.15));
    addStop(metal, 1.0, palette::kMetalDark);
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    for (double corner : {0.0, width - 1})
        for (double edge : {0.0, height - 1}) fillBox(cr, {corner, edge, 1, 1}, palette::kWell);
    fillBox(cr, {1, 1, width - 2, 1}, palette::kMetalLight.lighter(0.35));
    for (int y = 3; y < height - 2; y += 2) fillBox(cr, {1, double(y), width - 2, 1}, palette::kMetalDark);
    const double middle = std::floor(width * 0.5);
    fillBox(cr, {middle - 1, 1, 3, height - 2}, indexGroove);
    fillBox(cr, {middle, 2, 1, height - 4}, index);
}

void drawSliderHandle(cairo_t* cr, const ArtContext&) {
    drawFaderCap(cr, kHandleWidth, kHandleHeight, palette::kText, palette::kEngraveShadow);
}

// Touch-recording mode: the index glows red in a red groove.
void drawSliderTouchHandle(cairo_t* cr, const ArtContext&) {
    drawFaderCap(cr, kHandleWidth, kHandleHeight, palette::kLampRed.lighter(0.3), palette::kLampRed.darker(0.35));
}

}  // namespace artwork
