#include "resources/artwork/SpareArt.h"

#include "resources/artwork/DisplayArt.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/Palette.h"
#include "resources/artwork/SwitchArt.h"

#include <cmath>
#include <string>

namespace artwork {
namespace {

constexpr int kDigitWidth = 6, kDigitHeight = 12, kDigits = 10;
constexpr int kFaderWidth = 84, kFaderHeight = 20, kFaderPositions = 26;
constexpr int kFaderCapWidth = 10;
constexpr int kSmallFieldWidth = 28, kSmallFieldHeight = 16;

}  // namespace

void drawDigitStrip(cairo_t* cr, const ArtContext& context) {
    const TextStyle style{Weight::Bold, 10.0, palette::kEntryText, 0.0};
    forEachImage(cr, kDigits, kDigitHeight, [&](int digit) {
        fillBox(cr, {0, 0, kDigitWidth, kDigitHeight}, palette::kScreen);
        context.fonts().drawCentred(cr, style, std::to_string(digit), kDigitWidth * 0.5, kDigitHeight * 0.5);
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
