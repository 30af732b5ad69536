// The plate that covers the title when it is clicked. The bitmap is 309 x 51
// but the window shows it from x = -2 in a rectangle 50 rows high, so the
// plate's frame is drawn round the part that is seen.
#include "resources/artwork/DisplayArt.h"
#include "resources/artwork/LegendStyles.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelLayout.h"

namespace artwork {
namespace {

constexpr double kBitmapWidth = 309, kBitmapHeight = 51;

}  // namespace

void drawCreditsPlate(cairo_t* cr, const ArtContext& context) {
    const Rect shown = layout::kCredits;
    const Box seen{double(-shown.left), 0, shown.width() + double(shown.left), double(shown.height())};
    cairo_rectangle(cr, 0, 0, kBitmapWidth, kBitmapHeight);
    setVerticalGradient(cr, 0, seen.h, palette::kDark.darker(0.35), palette::kDark.darker(0.65));
    cairo_fill(cr);
    drawBevel(cr, seen, palette::kDark.lighter(0.2), palette::kEngraveShadow);
    drawBevel(cr, seen.inset(3), palette::kEngraveShadow, palette::kDark.lighter(0.1));

    const Fonts& fonts = context.fonts();
    const double left = seen.x + 14;
    TextStyle name = legend::kHeader;
    name.size = 12;
    name.tracking = 3.0;
    fonts.draw(cr, name, "ZARVOLINE 1.0", left, 19, Align::Left);
    TextStyle line{Weight::Regular, 8.0, palette::kText, 0.2};
    fonts.draw(cr, line, "Tempo-synchronised buffer repeat for VST 2 hosts", left, 31, Align::Left);
    line.colour = palette::kText.mixedWith(palette::kDark, 0.4);
    line.size = 7.0;
    fonts.draw(cr, line, "Sound, code and artwork by the Zarvoline team  -  click to close", left, 42,
               Align::Left);
}

}  // namespace artwork
