// The kit's eight fonts, chosen by index. The faces are the classic Windows
// ones; fontconfig resolves them to metric-compatible faces (Arial to
// Liberation Sans, Symbol to a symbol face), so text keeps its width.
#pragma once

struct KitFont {
    const char* face;
    int height;  // pixels, the size of the em square
    bool bold;
};

constexpr int kNumKitFonts = 8;

// Font `index` of the kit; an index outside 0 to 7 means font 0.
const KitFont& kitFont(int index);
