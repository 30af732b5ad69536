// A picture the controls draw from: one of the library's embedded bitmaps,
// found by number, or a blank one drawn in code. Shared by reference count:
// it starts at 1, `remember` adds one, `forget` removes one and the bitmap
// goes away at 0. A bitmap that could not be loaded is 0 x 0 and draws nothing.
#pragma once

#include <cairo.h>

#include "widgets/Color.h"
#include "widgets/Geometry.h"

class DrawContext;

class Bitmap {
public:
    explicit Bitmap(int resourceId);
    Bitmap(int width, int height);  // opaque black, for pictures drawn in code
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    void remember() { ++referenceCount; }
    void forget();
    int getNbReference() const { return referenceCount; }

    int getResourceId() const { return resourceId; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    bool isLoaded() const { return image != nullptr; }

    // Pixels of exactly this colour are left out by drawTransparent; white
    // unless changed.
    void setTransparentColor(Color color);
    Color getTransparentColor() const { return transparentColor; }

    // Copies the part of the bitmap that starts at `offset` into `destination`
    // (as much as both hold): every pixel, or all but the transparent colour.
    void draw(DrawContext& context, const Rect& destination, Point offset = {});
    void drawTransparent(DrawContext& context, const Rect& destination, Point offset = {});

    // The pixels (ARGB32), for drawing code that makes a bitmap; call
    // `changed` after writing them. Null for a bitmap that failed to load.
    cairo_surface_t* surface() { return image; }
    void changed();

private:
    ~Bitmap();
    void copy(DrawContext& context, cairo_surface_t* source, const Rect& destination, Point offset);
    cairo_surface_t* keyedImage();

    int referenceCount = 1;
    int resourceId = 0;
    int width = 0;
    int height = 0;
    Color transparentColor{255, 255, 255, 0};
    cairo_surface_t* image = nullptr;
    cairo_surface_t* keyed = nullptr;  // the image with the transparent colour cleared
};
