// The colours of the instrument. The first group are the window's own colours
// (the value displays and menus draw their text in them), the rest are the
// finishes of the panel and its parts, chosen to sit with them.
#pragma once

#include "resources/artwork/Colour.h"

namespace artwork::palette {

// The window's colours.
inline constexpr Colour kText = Colour::bytes(220, 194, 163);       // printed legends
inline constexpr Colour kEntryText = Colour::bytes(225, 242, 203);  // the tempo field
inline constexpr Colour kDark = Colour::bytes(118, 57, 48);         // oxblood accents, scope levels
inline constexpr Colour kDisplayBack = Colour::bytes(127, 127, 127);
inline constexpr Colour kScopeText = Colour::bytes(163, 217, 220);

// Transparent colours of the bitmaps.
inline constexpr Colour kWhiteKey = Colour::bytes(255, 255, 255);
inline constexpr Colour kRedKey = Colour::bytes(255, 0, 0);

// Panel: dark anodised aluminium with a warm cast.
inline constexpr Colour kPanel = Colour::bytes(44, 40, 38);
inline constexpr Colour kPanelShade = Colour::bytes(30, 27, 26);
inline constexpr Colour kEngraveShadow = Colour::bytes(14, 12, 12);
inline constexpr Colour kEngraveLight = Colour::bytes(74, 68, 64);
inline constexpr Colour kLegendDim = kText.mixedWith(kPanel, 0.45);

// Recesses, screens and fields.
inline constexpr Colour kWell = Colour::bytes(17, 15, 15);
inline constexpr Colour kScreen = Colour::bytes(24, 23, 22);
inline constexpr Colour kScreenGrid = Colour::bytes(44, 42, 40);

// Knobs and keys.
inline constexpr Colour kKnobBlack = Colour::bytes(28, 26, 26);
inline constexpr Colour kKnobSheen = Colour::bytes(96, 90, 86);
inline constexpr Colour kMetalLight = Colour::bytes(200, 196, 190);
inline constexpr Colour kMetalDark = Colour::bytes(92, 88, 84);
inline constexpr Colour kKeyTop = Colour::bytes(84, 78, 74);
inline constexpr Colour kKeyBottom = Colour::bytes(46, 42, 40);

// Lamps: lit and unlit.
inline constexpr Colour kLampRed = Colour::bytes(255, 58, 40);
inline constexpr Colour kLampRedOff = Colour::bytes(74, 26, 22);
inline constexpr Colour kLampAmber = Colour::bytes(255, 176, 48);
inline constexpr Colour kLampAmberOff = Colour::bytes(70, 50, 24);
inline constexpr Colour kLampGreen = Colour::bytes(120, 240, 110);
inline constexpr Colour kLampGreenOff = Colour::bytes(28, 52, 28);

}  // namespace artwork::palette
