// The bare panel: brushed dark aluminium, a title band, recesses that the
// displays, menus, keys and switches sit in, and the scales of the two large
// knobs. No lettering: that is drawn over it by the legends.
#include "resources/artwork/KnobGeometry.h"
#include "resources/artwork/Noise.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelArt.h"
#include "resources/artwork/PanelLayout.h"
#include "resources/artwork/Palette.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr std::uint32_t kBrushSeed = 0x5a52564c;  // any fixed value: the same streaks every run
constexpr int kTitleBandBottom = 53;
constexpr int kStreaks = 900;

void drawBrushedFinish(cairo_t* cr) {
    const Rect window = layout::kWindow;
    setVerticalGradient(cr, 0, window.height(), palette::kPanel.lighter(0.03), palette::kPanel.darker(0.12));
    cairo_paint(cr);
    Noise noise(kBrushSeed);
    // Every row a shade lighter or darker, then long faint streaks on top.
    for (int y = 0; y < window.height(); ++y) {
        const double shade = noise.between(-1.0, 1.0);
        cairo_rectangle(cr, 0, y, window.width(), 1);
        cairo_set_source_rgba(cr, shade > 0 ? 1 : 0, shade > 0 ? 1 : 0, shade > 0 ? 1 : 0, std::abs(shade) * 0.025);
        cairo_fill(cr);
    }
    for (int streak = 0; streak < kStreaks; ++streak) {
        const double x = noise.between(-60, window.width());
        const double y = std::floor(noise.between(0, window.height()));
        const double length = noise.between(20, 140);
        const bool light = noise.next() < 0.5;
        cairo_rectangle(cr, x, y, length, 1);
        cairo_set_source_rgba(cr, light, light, light, noise.between(0.01, 0.035));
        cairo_fill(cr);
    }
}

void drawTitleBand(cairo_t* cr) {
    const Rect window = layout::kWindow;
    cairo_rectangle(cr, 0, 0, window.width(), kTitleBandBottom);
    setVerticalGradient(cr, 0, kTitleBandBottom, palette::kPanelShade.lighter(0.04), palette::kPanelShade);
    cairo_fill(cr);
    fillBox(cr, {0, kTitleBandBottom, double(window.width()), 1}, palette::kEngraveShadow);
    fillBox(cr, {0, kTitleBandBottom + 1, double(window.width()), 2}, palette::kDark);
    fillBox(cr, {0, kTitleBandBottom + 3, double(window.width()), 1}, palette::kEngraveLight);
}

void drawPanelEdge(cairo_t* cr) {
    const Rect window = layout::kWindow;
    drawBevel(cr, {0, 0, double(window.width()), double(window.height())}, palette::kEngraveLight,
              palette::kEngraveShadow);
}

Box around(Rect rect, double margin) {
    return {rect.left - margin, rect.top - margin, rect.width() + 2 * margin, rect.height() + 2 * margin};
}

// Recesses one or two pixels wider than the parts that sit in them.
void drawRecesses(cairo_t* cr) {
    using namespace layout;
    const Rect framed[] = {kLengthDisplay,   kOffsetDisplay,     kLengthOpMenu,   kOffsetOpMenu,
                           kLengthQuantMenu, kRecSyncMenu,       kRecOffsetMenu,  kMidiMenu,
                           kTouchRecButton,  kModulatorModeMenu, kPitchModeMenu,  kFilterMenu,
                           kDivisionSwitch,  kDirectionSwitch,   kRepeatsSlider,  kMixSlider,
                           kBpmLockButton,   kLoopScopePicture,  kPitchPhaseButton};
    for (const Rect& rect : framed) drawWell(cr, around(rect, 1), 2);
    drawWell(cr, around(kTempoEntry, 2), 2);
    drawWell(cr, around(kRecordButton.unionWith(kReleaseButton), 2), 3);
    drawWell(cr, around(kOffsetJmpBackButton.unionWith(kOffsetJmpFfwButton), 2), 3);
}

// A perforated grille in the open middle of the panel, as over the vents of
// a hardware unit: small drilled holes on a staggered grid, centred in a
// field with rounded ends.
void drawGrille(cairo_t* cr) {
    constexpr Box kField{103, 106, 80, 194};
    constexpr double kCornerRadius = 12;
    // Staggered rows: every hole is one pitch from its six neighbours.
    constexpr double kPitch = 5.0, kRowPitch = kPitch * 0.866, kHoleRadius = 1.15;
    const int columns = static_cast<int>(kField.w / kPitch);
    const int rows = static_cast<int>(kField.h / kRowPitch);
    const double left = kField.cx() - (columns - 1) * kPitch * 0.5;
    const double top = kField.cy() - (rows - 1) * kRowPitch * 0.5;
    for (int row = 0; row < rows; ++row) {
        const bool shifted = row % 2 == 1;
        for (int column = 0; column < columns - (shifted ? 1 : 0); ++column) {
            const double x = left + column * kPitch + (shifted ? kPitch * 0.5 : 0.0);
            const double y = top + row * kRowPitch;
            // Round the field's ends off: leave out holes beyond the corners.
            const double dx = std::max(0.0, std::abs(x - kField.cx()) - (kField.w * 0.5 - kCornerRadius));
            const double dy = std::max(0.0, std::abs(y - kField.cy()) - (kField.h * 0.5 - kCornerRadius));
            if (std::hypot(dx, dy) > kCornerRadius) continue;
            cairo_arc(cr, x, y + 0.6, kHoleRadius, 0, 2 * std::numbers::pi);
            setColour(cr, palette::kEngraveLight);
            cairo_fill(cr);
            cairo_arc(cr, x, y, kHoleRadius, 0, 2 * std::numbers::pi);
            setColour(cr, palette::kWell.darker(0.4));
            cairo_fill(cr);
        }
    }
}

// Tick marks around a knob that turns through 270 degrees, clockwise from
// lower left; `steps` gaps between the ticks, the ends and `emphasised`
// (a fraction of the travel, or negative for none) drawn longer.
struct KnobScale {
    double cx, cy;
    double innerRadius, outerRadius, majorRadius;
    int steps;
    double emphasised;
};

void drawKnobScale(cairo_t* cr, const KnobScale& scale) {
    for (int step = 0; step <= scale.steps; ++step) {
        const double value = double(step) / scale.steps;
        const bool major = step == 0 || step == scale.steps || std::abs(value - scale.emphasised) < 1e-9;
        const double outer = major ? scale.majorRadius : scale.outerRadius;
        const double angle = knobScreenAngle(value);
        const double c = std::cos(angle), s = std::sin(angle);
        drawLine(cr, scale.cx + c * scale.innerRadius, scale.cy + s * scale.innerRadius, scale.cx + c * outer,
                 scale.cy + s * outer, major ? 1.4 : 1.0, major ? palette::kText : palette::kLegendDim);
    }
}

void drawKnobScales(cairo_t* cr) {
    const Rect length = layout::kLengthKnob;
    drawKnobScale(cr, {length.centreX(), length.centreY(), 31.5, 34.0, 36.0, 10, -1.0});
    const Rect offset = layout::kOffsetKnob;
    // Offset swings both ways: its centre, no offset, is marked.
    drawKnobScale(cr, {offset.left + offset.width() * 0.5, offset.top + offset.width() * 0.5, 40.0, 43.0, 45.5,
                       10, 0.5});
}

}  // namespace

void drawPanelBase(cairo_t* cr) {
    drawBrushedFinish(cr);
    drawTitleBand(cr);
    drawPanelEdge(cr);
    drawRecesses(cr);
    drawGrille(cr);
    drawKnobScales(cr);
}

}  // namespace artwork
