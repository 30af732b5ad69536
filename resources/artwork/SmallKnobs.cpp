// The small knobs: a black knurled skirt, a satin cap and a cream pointer,
// drawn once per step of their 270-degree travel.
#include "resources/artwork/KnobArt.h"
#include "resources/artwork/KnobGeometry.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/Palette.h"

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr int kFrameSize = 25;
constexpr int kFrames = 19;
constexpr double kCentre = kFrameSize * 0.5;
constexpr double kSkirtRadius = 10.6;
constexpr double kCapRadius = 7.4;
constexpr int kKnurls = 18;
constexpr double kPi2 = 2 * std::numbers::pi;

// A dark seat the knob stands in, a little lower than the knob so it reads
// as its shadow. Solid, so the outline against the transparent colour is a
// clean circle.
void drawSeat(cairo_t* cr) {
    cairo_arc(cr, kCentre, kCentre + 0.4, kSkirtRadius + 0.9, 0, kPi2);
    setColour(cr, palette::kEngraveShadow.darker(0.4));
    cairo_fill(cr);
}

// The skirt turns with the knob: its knurls move with the pointer, while the
// light keeps falling from the upper left.
void drawSkirt(cairo_t* cr, double angle, Colour skirt) {
    cairo_pattern_t* body = cairo_pattern_create_linear(kCentre - 8, kCentre - 8, kCentre + 8, kCentre + 8);
    addStop(body, 0.0, skirt.lighter(0.16));
    addStop(body, 1.0, skirt.darker(0.45));
    cairo_set_source(cr, body);
    cairo_arc(cr, kCentre, kCentre, kSkirtRadius, 0, kPi2);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    for (int knurl = 0; knurl < kKnurls; ++knurl) {
        const double a = angle + kPi2 * knurl / kKnurls;
        const double lit = 0.5 + 0.5 * std::cos(a + 0.75 * std::numbers::pi);  // facing the light
        drawLine(cr, kCentre + std::cos(a) * (kCapRadius + 0.8), kCentre + std::sin(a) * (kCapRadius + 0.8),
                 kCentre + std::cos(a) * (kSkirtRadius - 0.4), kCentre + std::sin(a) * (kSkirtRadius - 0.4), 0.9,
                 skirt.lighter(0.10 + 0.22 * lit));
    }
    cairo_arc(cr, kCentre, kCentre, kSkirtRadius - 0.5, 0, kPi2);
    cairo_set_line_width(cr, 1.0);
    setColour(cr, palette::kEngraveShadow, 0.6);
    cairo_stroke(cr);
}

void drawCap(cairo_t* cr) {
    cairo_arc(cr, kCentre, kCentre, kCapRadius + 0.7, 0, kPi2);
    setColour(cr, palette::kEngraveShadow);
    cairo_fill(cr);
    cairo_pattern_t* cap = cairo_pattern_create_radial(kCentre - 2.5, kCentre - 3.0, 0.5, kCentre, kCentre,
                                                       kCapRadius);
    addStop(cap, 0.0, palette::kKnobSheen.lighter(0.1));
    addStop(cap, 0.55, palette::kKnobBlack.lighter(0.12));
    addStop(cap, 1.0, palette::kKnobBlack);
    cairo_set_source(cr, cap);
    cairo_arc(cr, kCentre, kCentre, kCapRadius, 0, kPi2);
    cairo_fill(cr);
    cairo_pattern_destroy(cap);
}

void drawPointer(cairo_t* cr, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, kCentre + c * 2.2, kCentre + s * 2.2);
    cairo_line_to(cr, kCentre + c * (kSkirtRadius - 0.6), kCentre + s * (kSkirtRadius - 0.6));
    cairo_set_line_width(cr, 2.8);
    setColour(cr, palette::kEngraveShadow);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, palette::kText.lighter(0.25));
    cairo_stroke(cr);
}

void drawKnobStrip(cairo_t* cr, Colour skirt) {
    forEachImage(cr, kFrames, kFrameSize, [&](int frame) {
        const double angle = knobScreenAngle(double(frame) / (kFrames - 1));
        drawSeat(cr);
        drawSkirt(cr, angle, skirt);
        drawCap(cr);
        drawPointer(cr, angle);
    });
}

}  // namespace

void drawSmallKnobStrip(cairo_t* cr, const ArtContext&) { drawKnobStrip(cr, palette::kKnobBlack.lighter(0.06)); }

// Shuffle and Gate shape the rhythm of the repeats; their oxblood skirts set
// them apart from the sound knobs.
void drawGrooveKnobStrip(cairo_t* cr, const ArtContext&) { drawKnobStrip(cr, palette::kDark.darker(0.15)); }

}  // namespace artwork
