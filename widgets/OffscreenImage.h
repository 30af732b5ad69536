// A picture drawn apart from the panel and then copied onto it in one step, so
// that a control made of layers (a track and a handle) never shows half drawn.
#pragma once

#include <memory>

#include "widgets/DrawContext.h"

class OffscreenImage {
public:
    OffscreenImage(int width, int height, Color background = kBlackColor);
    ~OffscreenImage();
    OffscreenImage(const OffscreenImage&) = delete;
    OffscreenImage& operator=(const OffscreenImage&) = delete;

    DrawContext& context() { return *drawing; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    // Copies the image, from `offset` on, into `destination` of `target`.
    void copyTo(DrawContext& target, const Rect& destination, Point offset = {});

private:
    int width;
    int height;
    cairo_surface_t* image;
    std::unique_ptr<DrawContext> drawing;
};
