// Turns a drawing into the picture that is stored: opaque 24-bit colour, the
// transparent colour wherever the drawing left the bitmap uncovered.
#pragma once

#include "resources/artwork/ArtContext.h"
#include "resources/artwork/BitmapCatalogue.h"
#include "resources/artwork/Canvas.h"

#include <string>

namespace artwork {

// The finished bitmap as an RGB24 surface of the catalogue's size.
Surface renderBitmap(const BitmapEntry& entry, const ArtContext& context);

// Draws every bitmap and writes it as `<directory>/<number>.png`.
void writeAllBitmaps(const ArtContext& context, const std::string& directory);

}  // namespace artwork
