// The large keys: Record, Rewind, Clear, Release and the two offset jumps.
// A key that is held or latched sinks and lights its lamp.
#include "resources/artwork/ButtonArt.h"
#include "resources/artwork/Icons.h"
#include "resources/artwork/Keys.h"
#include "resources/artwork/LegendStyles.h"

namespace artwork {
namespace {

constexpr double kKeyWidth = 25, kJumpKeyWidth = 24, kKeyHeight = 24;
constexpr KeyLamp kAmberLamp{palette::kLampAmber, palette::kLampAmberOff};
constexpr KeyLamp kRedLamp{palette::kLampRed, palette::kLampRedOff};

Colour legendColour(bool on) { return on ? palette::kText.lighter(0.35) : palette::kText; }

double legendY(const Box& face) { return face.y + face.h * 0.66; }

// An up/down key with a centred lamp and a lettered legend.
void drawLetteredKey(cairo_t* cr, const ArtContext& context, const char* legendText, double width) {
    forEachImage(cr, 2, kKeyHeight, [&](int image) {
        const bool down = image == 1;
        const Box face = drawKey(cr, width, kKeyHeight, down ? KeyState::Down : KeyState::Up);
        drawKeyLamp(cr, face, face.cx(), kAmberLamp, down);
        TextStyle style = legend::kKeyLabel;
        style.colour = legendColour(down);
        context.fonts().drawCentred(cr, style, legendText, face.cx(), legendY(face));
    });
}

// Two triangles pointing the way the offset jumps.
void drawJumpKey(cairo_t* cr, Pointing pointing) {
    forEachImage(cr, 2, kKeyHeight, [&](int image) {
        const bool down = image == 1;
        const Box face = drawKey(cr, kJumpKeyWidth, kKeyHeight, down ? KeyState::Down : KeyState::Up);
        drawKeyLamp(cr, face, face.cx(), kAmberLamp, down);
        const double cy = legendY(face) - 2.0;
        drawTriangle(cr, face.cx() - 2.6, cy, 5, 6, pointing, legendColour(down));
        drawTriangle(cr, face.cx() + 2.6, cy, 5, 6, pointing, legendColour(down));
    });
}

}  // namespace

// Two lamps: red while recording, amber while a change waits for the
// Rec Sync grid.
void drawRecordKey(cairo_t* cr, const ArtContext& context) {
    forEachImage(cr, 4, kKeyHeight, [&](int image) {
        const bool on = image == 1 || image == 3;
        const bool pending = image >= 2;
        const Box face = drawKey(cr, kKeyWidth, kKeyHeight, on ? KeyState::Down : KeyState::Up);
        drawKeyLamp(cr, face, face.x + 5.0, kRedLamp, on);
        drawKeyLamp(cr, face, face.x + face.w - 5.0, kAmberLamp, pending);
        TextStyle style = legend::kKeyLabel;
        style.colour = on ? palette::kLampRed.lighter(0.35) : palette::kText;
        context.fonts().drawCentred(cr, style, "REC", face.cx(), legendY(face));
    });
}

void drawRewindKey(cairo_t* cr, const ArtContext& context) { drawLetteredKey(cr, context, "RWD", kKeyWidth); }
void drawClearKey(cairo_t* cr, const ArtContext& context) { drawLetteredKey(cr, context, "CLR", kKeyWidth); }
void drawReleaseKey(cairo_t* cr, const ArtContext& context) { drawLetteredKey(cr, context, "REL", kKeyWidth); }
void drawJumpForwardKey(cairo_t* cr, const ArtContext&) { drawJumpKey(cr, Pointing::Right); }
void drawJumpBackKey(cairo_t* cr, const ArtContext&) { drawJumpKey(cr, Pointing::Left); }

}  // namespace artwork

namespace artwork {

void drawSpareSyncKey(cairo_t* cr, const ArtContext& context) { drawLetteredKey(cr, context, "SYNC", kKeyWidth); }

}  // namespace artwork
