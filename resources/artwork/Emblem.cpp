#include "resources/artwork/Emblem.h"

#include "resources/artwork/Palette.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork {
namespace {

constexpr int kCopies = 4;
constexpr double kDecay = 0.68;  // each repeat's height relative to the one before
constexpr double kBarPitch = 2.0;  // one-pixel bars with one-pixel gaps, like the scope's levels
constexpr int kBarsPerCopy = 9;
constexpr int kGapBars = 2;

// The slice's level at t in [0, 1]: a quick attack, a wiggle, a decay.
double level(double t) {
    const double envelope = std::sin(std::numbers::pi * std::pow(t, 0.6));
    return envelope * (0.7 + 0.3 * std::cos(5.0 * std::numbers::pi * t));
}

}  // namespace

void drawStutterMark(cairo_t* cr, Box box, Colour slice, Colour repeat) {
    const double pitch = box.w / ((kBarsPerCopy + kGapBars) * kCopies - kGapBars);
    const double barWidth = pitch / kBarPitch;
    double halfHeight = box.h * 0.5;
    for (int copy = 0; copy < kCopies; ++copy) {
        setColour(cr, copy == 0 ? slice : repeat.mixedWith(palette::kPanel, 0.2 * (copy - 1)));
        for (int bar = 0; bar < kBarsPerCopy; ++bar) {
            const double x = box.x + ((kBarsPerCopy + kGapBars) * copy + bar) * pitch;
            const double h = std::max(1.0, std::round(halfHeight * level((bar + 0.5) / kBarsPerCopy)));
            cairo_rectangle(cr, std::round(x), std::round(box.cy()) - h, std::max(1.0, std::round(barWidth)),
                            2 * h + 1);
        }
        cairo_fill(cr);
        halfHeight *= kDecay;
    }
}

}  // namespace artwork
