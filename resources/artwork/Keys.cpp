#include "resources/artwork/Keys.h"

#include "resources/artwork/Palette.h"

namespace artwork {
namespace {

constexpr double kCapRadius = 2.0;
constexpr double kLampRadius = 1.7;
constexpr double kLampFromTop = 3.2;

}  // namespace

Box drawKey(cairo_t* cr, double width, double height, KeyState state) {
    fillBox(cr, {0, 0, width, height}, palette::kWell);
    const bool down = state == KeyState::Down;
    const Box cap = down ? Box{1.5, 2.0, width - 3.0, height - 3.0} : Box{1.0, 1.0, width - 2.0, height - 2.5};
    // Shadow under the cap, then the cap, lit from above; a held cap is
    // darker and its top edge loses the light.
    if (!down) fillRounded(cr, {cap.x, cap.y + 1.0, cap.w, cap.h}, kCapRadius, palette::kEngraveShadow);
    roundedRectPath(cr, cap, kCapRadius);
    if (down)
        setVerticalGradient(cr, cap.y, cap.y + cap.h, palette::kKeyBottom.darker(0.2), palette::kKeyBottom);
    else
        setVerticalGradient(cr, cap.y, cap.y + cap.h, palette::kKeyTop, palette::kKeyBottom);
    cairo_fill(cr);
    if (!down) fillBox(cr, {cap.x + kCapRadius, cap.y, cap.w - 2 * kCapRadius, 1}, palette::kKeyTop.lighter(0.2));
    return cap.inset(1.0);
}

void drawKeyLamp(cairo_t* cr, const Box& face, double cx, const KeyLamp& lamp, bool on) {
    drawLamp(cr, cx, face.y + kLampFromTop, kLampRadius, lamp.lit, lamp.unlit, on, 2.5);
}

}  // namespace artwork
