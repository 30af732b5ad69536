// A bitmap of one colour, for tests that look for a control's parts by colour.
#pragma once

#include <cairo.h>

#include "widgets/Bitmap.h"

inline Bitmap* filledBitmap(int width, int height, Color colour) {
    auto* bitmap = new Bitmap(width, height);
    cairo_t* cr = cairo_create(bitmap->surface());
    cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
    cairo_paint(cr);
    cairo_destroy(cr);
    bitmap->changed();
    return bitmap;
}
