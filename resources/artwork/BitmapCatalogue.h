// Every bitmap of the editor: its number, size, how its images are stacked,
// its transparent colour and the function that draws it.
#pragma once

#include "resources/artwork/ArtContext.h"
#include "resources/artwork/Colour.h"

#include <cairo.h>

#include <span>

namespace artwork {

using DrawBitmap = void (*)(cairo_t* cr, const ArtContext& context);

struct BitmapEntry {
    int id;
    int width;
    int height;       // the whole file
    int imageHeight;  // one image; image i starts at row i * imageHeight
    int images;
    Colour transparent;  // pixels of this colour let the panel show through
    DrawBitmap draw;
    const char* shows;
};

std::span<const BitmapEntry> bitmapCatalogue();
const BitmapEntry* findBitmap(int id);  // null for an unknown number

}  // namespace artwork
