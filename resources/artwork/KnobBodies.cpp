// The Length and Offset knobs. Their bodies stand still; a lamp-like dot
// travels round a groove in the rim to show the value, so the body carries
// the groove, the path of the dot, and a black knob with a spun-metal top.
#include "resources/artwork/KnobArt.h"
#include "resources/artwork/KnobGeometry.h"
#include "resources/artwork/Noise.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelLayout.h"
#include "resources/artwork/Palette.h"

#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr double kPi2 = 2 * std::numbers::pi;
// The dot's centre runs this far inside the rim (a 4-pixel dot, half its
// width plus two and a half pixels, truncated).
constexpr double kDotInset = 4.0;
constexpr double kGrooveHalfWidth = 2.7;
constexpr std::uint32_t kSpinSeed = 0x7370756e;
constexpr int kTrackSteps = 10;

struct KnobBody {
    double cx, cy, radius;  // radius: half the bitmap's width, as the dot's path is computed
    double rimRadius;       // outermost drawn ring, inside the bitmap
};

void drawRim(cairo_t* cr, const KnobBody& k) {
    // A solid dark seat, a little lower than the rim: its shadow, and a
    // clean outline against the transparent colour.
    cairo_arc(cr, k.cx, k.cy + 0.4, k.rimRadius, 0, kPi2);
    setColour(cr, palette::kEngraveShadow.darker(0.4));
    cairo_fill(cr);
    cairo_pattern_t* rim = cairo_pattern_create_linear(k.cx - k.radius, k.cy - k.radius, k.cx + k.radius,
                                                       k.cy + k.radius);
    addStop(rim, 0.0, palette::kMetalLight.darker(0.15));
    addStop(rim, 0.5, palette::kMetalDark);
    addStop(rim, 1.0, palette::kMetalDark.darker(0.55));
    cairo_set_source(cr, rim);
    cairo_arc(cr, k.cx, k.cy, k.rimRadius - 0.8, 0, kPi2);
    cairo_fill(cr);
    cairo_pattern_destroy(rim);
}

// The groove the dot runs in, with a faint track over its 270 degrees.
void drawGroove(cairo_t* cr, const KnobBody& k) {
    const double path = k.radius - kDotInset;
    cairo_arc(cr, k.cx, k.cy, path + kGrooveHalfWidth, 0, kPi2);
    setColour(cr, palette::kWell.darker(0.3));
    cairo_fill(cr);
    cairo_arc(cr, k.cx, k.cy, path, knobScreenAngle(0.0), knobScreenAngle(1.0));
    cairo_set_line_width(cr, 1.2);
    setColour(cr, palette::kDark.darker(0.2));
    cairo_stroke(cr);
    for (int step = 0; step <= kTrackSteps; ++step) {
        const double a = knobScreenAngle(double(step) / kTrackSteps);
        cairo_arc(cr, k.cx + std::cos(a) * path, k.cy + std::sin(a) * path, 0.8, 0, kPi2);
        setColour(cr, palette::kDark.lighter(0.15));
        cairo_fill(cr);
    }
}

void drawKnurledKnob(cairo_t* cr, const KnobBody& k, double knobRadius) {
    cairo_arc(cr, k.cx, k.cy, knobRadius + 0.8, 0, kPi2);
    setColour(cr, palette::kEngraveShadow);
    cairo_fill(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(k.cx, k.cy - knobRadius, k.cx, k.cy + knobRadius);
    addStop(body, 0.0, palette::kKnobBlack.lighter(0.18));
    addStop(body, 1.0, palette::kKnobBlack.darker(0.4));
    cairo_set_source(cr, body);
    cairo_arc(cr, k.cx, k.cy, knobRadius, 0, kPi2);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    const int knurls = static_cast<int>(knobRadius * 2.2);
    for (int knurl = 0; knurl < knurls; ++knurl) {
        const double a = kPi2 * knurl / knurls;
        const double lit = 0.5 + 0.5 * std::cos(a + 0.75 * std::numbers::pi);
        drawLine(cr, k.cx + std::cos(a) * (knobRadius - 2.6), k.cy + std::sin(a) * (knobRadius - 2.6),
                 k.cx + std::cos(a) * (knobRadius - 0.5), k.cy + std::sin(a) * (knobRadius - 0.5), 1.0,
                 palette::kKnobBlack.lighter(0.08 + 0.22 * lit));
    }
}

// Spun aluminium: fine concentric rings over a light-to-dark sweep.
void drawSpunTop(cairo_t* cr, const KnobBody& k, double topRadius) {
    cairo_arc(cr, k.cx, k.cy, topRadius + 0.8, 0, kPi2);
    setColour(cr, palette::kEngraveShadow);
    cairo_fill(cr);
    cairo_pattern_t* sweep = cairo_pattern_create_linear(k.cx - topRadius, k.cy - topRadius, k.cx + topRadius,
                                                         k.cy + topRadius);
    addStop(sweep, 0.0, palette::kMetalLight);
    addStop(sweep, 0.45, palette::kMetalLight.darker(0.25));
    addStop(sweep, 0.55, palette::kMetalDark.lighter(0.2));
    addStop(sweep, 1.0, palette::kMetalDark.darker(0.2));
    cairo_set_source(cr, sweep);
    cairo_arc(cr, k.cx, k.cy, topRadius, 0, kPi2);
    cairo_fill(cr);
    cairo_pattern_destroy(sweep);
    Noise noise(kSpinSeed);
    cairo_set_line_width(cr, 0.5);
    for (double r = 0.8; r < topRadius; r += 0.6) {
        const bool light = noise.next() < 0.5;
        cairo_arc(cr, k.cx, k.cy, r, 0, kPi2);
        cairo_set_source_rgba(cr, light, light, light, noise.between(0.02, 0.10));
        cairo_stroke(cr);
    }
    cairo_arc(cr, k.cx, k.cy, 1.3, 0, kPi2);
    setColour(cr, palette::kMetalDark.darker(0.3));
    cairo_fill(cr);
}

void drawKnobBody(cairo_t* cr, const KnobBody& k) {
    const double path = k.radius - kDotInset;
    drawRim(cr, k);
    drawGroove(cr, k);
    const double knobRadius = path - kGrooveHalfWidth - 0.8;
    drawKnurledKnob(cr, k, knobRadius);
    drawSpunTop(cr, k, knobRadius * 0.62);
}

// A 4 x 4 lamp: bright 2 x 2 core, softer edge, corners left out.
void drawDot(cairo_t* cr, Colour core, Colour edge) {
    fillBox(cr, {1, 0, 2, 4}, edge);
    fillBox(cr, {0, 1, 4, 2}, edge);
    fillBox(cr, {1, 1, 2, 2}, core);
}

}  // namespace

void drawLengthKnobBody(cairo_t* cr, const ArtContext&) {
    const Rect knob = layout::kLengthKnob;
    const double radius = knob.width() * 0.5;
    drawKnobBody(cr, {radius, radius, radius, radius - 0.9});
}

// Drawn over the panel it hides, so it sits right whether or not the window
// draws it with its transparent colour.
void drawOffsetKnobBody(cairo_t* cr, const ArtContext& context) {
    const Rect knob = layout::kOffsetKnob;
    context.paintPanelUnder(cr, knob);
    const double radius = knob.width() * 0.5;
    drawKnobBody(cr, {radius, radius, radius, knob.height() - radius - 0.9});
}

void drawHandleDot(cairo_t* cr, const ArtContext&) {
    drawDot(cr, palette::kText.lighter(0.7), palette::kText.lighter(0.1));
}

// In touch-recording mode the dot glows red, like the Touch Rec lamp.
void drawTouchHandleDot(cairo_t* cr, const ArtContext&) {
    drawDot(cr, palette::kLampRed.lighter(0.45), palette::kLampRed.darker(0.1));
}

}  // namespace artwork
