// The editor's pictures, built into the library so that the plug-in needs no
// files at run time. Each is a PNG file of resources/bitmaps/, found by the
// number in its file name.
#pragma once

#include <cstddef>

struct EmbeddedBitmap {
    int id;
    const unsigned char* png;
    std::size_t size;
};

// The PNG data of bitmap `id`, or null when the library carries no such bitmap.
const EmbeddedBitmap* findEmbeddedBitmap(int id);
