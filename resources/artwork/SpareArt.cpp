#include "resources/artwork/SpareArt.h"

#include "resources/artwork/DisplayArt.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/Palette.h"
#include "resources/artwork/SwitchArt.h"

#include <cmath>

namespace artwork {
namespace {

constexpr int kDigitWidth = 6, kDigitHeight = 12, kDigits = 10;
constexpr int kFaderWidth = 84, kFaderHeight = 20, kFaderPositions = 26;
constexpr int kFaderCapWidth = 10;
constexpr int kSmallFieldWidth = 28, kSmallFieldHeight = 16;

// Segments a to g of a seven-segment digit, lit per digit as bits 0 to 6.
constexpr unsigned char kSegments[kDigits] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};

void drawSegment(cairo_t* cr, int segment, Colour colour) {
    // a top, b upper right, c lower right, d bottom, e lower left, f upper left, g middle
    static constexpr Box kBoxes[7] = {{1.5, 1, 3, 1}, {4.5, 2, 1, 3.5}, {4.5, 6.5, 1, 3.5}, {1.5, 10, 3, 1},
                                      {0.5, 6.5, 1, 3.5}, {0.5, 2, 1, 3.5}, {1.5, 5.5, 3, 1}};
    fillBox(cr, kBoxes[segment], colour);
}

}  // namespace

void drawDigitStrip(cairo_t* cr, const ArtContext&) {
    forEachImage(cr, kDigits, kDigitHeight, [&](int digit) {
        fillBox(cr, {0, 0, kDigitWidth, kDigitHeight}, palette::kScreen);
        for (int segment = 0; segment < 7; ++segment) {
            const bool lit = (kSegments[digit] >> segment) & 1;
            drawSegment(cr, segment, lit ? palette::kEntryText : palette::kScreenGrid);
        }
    });
}

void drawFaderStrip(cairo_t* cr, const ArtContext&) {
    forEachImage(cr, kFaderPositions, kFaderHeight, [&](int position) {
        fillBox(cr, {0, 0, kFaderWidth, kFaderHeight}, palette::kWell);
        fillRounded(cr, {3, 9, kFaderWidth - 6.0, 3}, 1.5, palette::kEngraveShadow.darker(0.5));
        const double travel = kFaderWidth - kFaderCapWidth;
        cairo_save(cr);
        cairo_translate(cr, std::floor(travel * position / (kFaderPositions - 1)), 1);
        drawFaderCap(cr, kFaderCapWidth, kFaderHeight - 2, palette::kText, palette::kEngraveShadow);
        cairo_restore(cr);
    });
}

void drawSmallField(cairo_t* cr, const ArtContext&) {
    drawScreenField(cr, kSmallFieldWidth, kSmallFieldHeight, false);
}

}  // namespace artwork
