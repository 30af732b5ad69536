// The small toggles and the buttons that open menus.
#include "resources/artwork/ButtonArt.h"
#include "resources/artwork/Icons.h"
#include "resources/artwork/Keys.h"
#include "resources/artwork/Palette.h"

#include <numbers>

namespace artwork {
namespace {

constexpr double kBpmLockWidth = 19, kBpmLockHeight = 17;
constexpr double kTouchRecSize = 14;
constexpr double kPhaseKeyWidth = 9, kPhaseImageHeight = 8;
constexpr double kMenuKeyWidth = 19, kMenuKeyHeight = 19, kLengthMenuKeyHeight = 18;

void drawHalo(cairo_t* cr, double cx, double cy, double radius, Colour colour) {
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    addStop(halo, 0.0, colour, 0.45);
    addStop(halo, 1.0, colour, 0.0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, cx, cy, radius, 0, 2 * std::numbers::pi);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
}

// A menu button: a downward triangle, lit while its menu is open.
void drawMenuButton(cairo_t* cr, double height, bool open) {
    const Box face = drawKey(cr, kMenuKeyWidth, height, open ? KeyState::Down : KeyState::Up);
    if (open) drawHalo(cr, face.cx(), face.cy(), 6, palette::kLampAmber);
    const Colour colour = open ? palette::kLampAmber.lighter(0.3) : palette::kText;
    // A bar over a downward arrow, on whole pixels round the face's centre.
    const int left = static_cast<int>(face.cx()) - 3, top = static_cast<int>(face.cy()) - 3;
    fillBox(cr, {double(left), double(top), 7, 1}, colour);
    drawPixelTriangle(cr, left, top + 2, 4, false, colour);
}

}  // namespace

void drawBpmLockKey(cairo_t* cr, const ArtContext&) {
    forEachImage(cr, 2, kBpmLockHeight, [&](int image) {
        const bool locked = image == 1;
        const Box face = drawKey(cr, kBpmLockWidth, kBpmLockHeight, locked ? KeyState::Down : KeyState::Up);
        if (locked) drawHalo(cr, face.cx(), face.cy(), 6.5, palette::kLampAmber);
        drawPadlock(cr, face.cx(), face.cy() + 0.5, locked,
                    locked ? palette::kLampAmber.lighter(0.3) : palette::kText);
    });
}

// A lamp key: red while touch recording is armed, like the knob dots then.
void drawTouchRecKey(cairo_t* cr, const ArtContext&) {
    forEachImage(cr, 2, kTouchRecSize, [&](int image) {
        const bool on = image == 1;
        const Box face = drawKey(cr, kTouchRecSize, kTouchRecSize, on ? KeyState::Down : KeyState::Up);
        drawLamp(cr, face.cx(), face.cy(), 2.6, palette::kLampRed, palette::kLampRedOff, on, 2.5);
    });
}

// The two images share their middle row, a dark border; the lower one
// starts there. Down is dim, up is lit.
void drawPitchPhaseKey(cairo_t* cr, const ArtContext&) {
    fillBox(cr, {0, 0, kPhaseKeyWidth, 2 * kPhaseImageHeight + 1}, palette::kWell);
    for (int image = 0; image < 2; ++image) {
        const bool up = image == 1;
        const double top = image * kPhaseImageHeight;
        roundedRectPath(cr, {1, top + 1, kPhaseKeyWidth - 2, kPhaseImageHeight - 1}, 1.0);
        setVerticalGradient(cr, top + 1, top + kPhaseImageHeight, palette::kKeyTop, palette::kKeyBottom);
        cairo_fill(cr);
        const Colour colour = up ? palette::kLampAmber.lighter(0.2) : palette::kText;
        drawPixelTriangle(cr, 2, static_cast<int>(top) + 3, 3, up, colour);
    }
}

void drawMenuKey(cairo_t* cr, const ArtContext&) { drawMenuButton(cr, kMenuKeyHeight, false); }
void drawMenuKeyOpen(cairo_t* cr, const ArtContext&) { drawMenuButton(cr, kMenuKeyHeight, true); }
void drawLengthMenuKey(cairo_t* cr, const ArtContext&) { drawMenuButton(cr, kLengthMenuKeyHeight, false); }
void drawLengthMenuKeyOpen(cairo_t* cr, const ArtContext&) { drawMenuButton(cr, kLengthMenuKeyHeight, true); }

}  // namespace artwork

namespace artwork {

void drawSpareLampKey(cairo_t* cr, const ArtContext&) {
    forEachImage(cr, 2, kTouchRecSize, [&](int image) {
        const bool on = image == 1;
        const Box face = drawKey(cr, kTouchRecSize, kTouchRecSize, on ? KeyState::Down : KeyState::Up);
        drawLamp(cr, face.cx(), face.cy(), 2.6, palette::kLampGreen, palette::kLampGreenOff, on, 2.5);
    });
}

}  // namespace artwork
