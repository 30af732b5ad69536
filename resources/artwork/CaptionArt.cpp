#include "resources/artwork/CaptionArt.h"

#include "resources/artwork/Icons.h"
#include "resources/artwork/LegendStyles.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelLayout.h"

#include <string>

namespace artwork {
namespace {

constexpr int kDivisionPositions = 5;
constexpr int kDivisionImageHeight = 12;
constexpr int kRepeatLockImageHeight = 9;

// The lit legend of a key that has switched to its second meaning.
constexpr Colour kLitLegend = palette::kLampAmber.mixedWith(palette::kText, 0.25);

}  // namespace

void drawDivisionSeries(cairo_t* cr, const Fonts& fonts, bool oddSeries) {
    static constexpr int kBinary[kDivisionPositions] = {1, 2, 4, 8, 16};
    static constexpr int kOdd[kDivisionPositions] = {1, 3, 5, 7, 9};
    // The numbers stand over the centres of the switch's five zones.
    const double zone = double(layout::kDivisionSwitch.width()) / kDivisionPositions;
    TextStyle style = legend::kNumeral;
    style.size = 7.0;
    style.colour = oddSeries ? kLitLegend : palette::kText;
    for (int position = 0; position < kDivisionPositions; ++position) {
        const int number = oddSeries ? kOdd[position] : kBinary[position];
        fonts.drawCentred(cr, style, std::to_string(number), zone * (position + 0.5), kDivisionImageHeight * 0.5);
    }
}

void drawRepeatsCaption(cairo_t* cr, const Fonts& fonts, bool locked) {
    const double cy = kRepeatLockImageHeight * 0.5;
    TextStyle style = legend::kCaption;
    style.tracking = 0.9;
    style.colour = locked ? kLitLegend : palette::kText;
    fonts.draw(cr, style, "REPEATS", 1.0, Fonts::baselineCentredOn(style, cy), Align::Left);
    if (locked) drawPadlock(cr, layout::kRepeatLockButton.width() - 4.5, cy - 0.5, true, palette::kLampAmber);
}

void drawDivisionModeBitmap(cairo_t* cr, const ArtContext& context) {
    forEachImage(cr, 2, kDivisionImageHeight, [&](int image) {
        context.paintPanelUnder(cr, layout::kDivisionModeButton);
        drawDivisionSeries(cr, context.fonts(), image == 1);
    });
}

void drawRepeatLockBitmap(cairo_t* cr, const ArtContext& context) {
    forEachImage(cr, 2, kRepeatLockImageHeight, [&](int image) {
        context.paintPanelUnder(cr, layout::kRepeatLockButton);
        drawRepeatsCaption(cr, context.fonts(), image == 1);
    });
}

}  // namespace artwork
