#include "widgets/OffscreenImage.h"

OffscreenImage::OffscreenImage(int w, int h, Color background)
    : width(w > 0 ? w : 1), height(h > 0 ? h : 1),
      image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      drawing(std::make_unique<DrawContext>(image, nullptr)) {
    drawing->setFillColor(background);
    drawing->fillRect({0, 0, width, height});
}

OffscreenImage::~OffscreenImage() {
    drawing.reset();
    cairo_surface_destroy(image);
}

void OffscreenImage::copyTo(DrawContext& target, const Rect& destination, Point offset) {
    cairo_surface_flush(image);
    target.copyPicture(image, {width, height}, destination, offset);
}
