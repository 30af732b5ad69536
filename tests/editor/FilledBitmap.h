// A bitmap of one colour, for tests that look for a control's parts by
// colour. It lets go of its reference at the end of the full expression, so
// a control built with it is left the bitmap's only owner.
#pragma once

#include <cairo.h>

#include "widgets/Bitmap.h"

struct FilledBitmap {
    FilledBitmap(int width, int height, Color colour) : bitmap(new Bitmap(width, height)) {
        cairo_t* cr = cairo_create(bitmap->surface());
        cairo_set_source_rgb(cr, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
        cairo_paint(cr);
        cairo_destroy(cr);
        bitmap->changed();
    }
    FilledBitmap(const FilledBitmap&) = delete;
    ~FilledBitmap() { bitmap->forget(); }
    operator Bitmap*() const { return bitmap; }

    Bitmap* bitmap;
};
