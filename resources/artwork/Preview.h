// Pictures for a person to judge the artwork by: the whole window composed
// from the bitmaps the way the editor shows them, at rest and with every
// control engaged, and a contact sheet of every bitmap, enlarged.
#pragma once

#include "resources/artwork/ArtContext.h"
#include "resources/artwork/Canvas.h"

#include <map>
#include <string>
#include <vector>

namespace artwork {

using BitmapSet = std::map<int, Surface>;

BitmapSet renderAllBitmaps(const ArtContext& context);

// The window, with controls at rest (engaged = false) or engaged.
Surface composeWindow(const BitmapSet& bitmaps, const Fonts& fonts, bool engaged);

// Every bitmap enlarged `scale` times, labelled with its number, on pages.
std::vector<Surface> composeContactSheets(const BitmapSet& bitmaps, const Fonts& fonts, int scale);

// Writes into `directory`: artwork-window.png (both states side by side),
// artwork-window-2x.png, the window's quarters four times enlarged
// (artwork-rest-N.png, artwork-engaged-N.png) and the contact sheet pages
// (artwork-sheet-N.png).
void writePreviews(const ArtContext& context, const std::string& directory);

}  // namespace artwork
