#include "widgets/headless/HeadlessWindow.h"

#include <cstdint>

#include "widgets/EditorFrame.h"

void HeadlessWindow::present(cairo_surface_t*, const Rect& area) {
    ++presentCount;
    presentedArea = presentedArea.united(area);
}

std::unique_ptr<PlatformWindow> createHeadlessWindow(EditorFrame&, ParentWindow, int, int) {
    return std::make_unique<HeadlessWindow>();
}

Color pictureColorAt(EditorFrame& frame, Point where) {
    cairo_surface_t* picture = frame.picture();
    cairo_surface_flush(picture);
    const int width = cairo_image_surface_get_width(picture);
    const int height = cairo_image_surface_get_height(picture);
    if (where.h < 0 || where.v < 0 || where.h >= width || where.v >= height) return {};
    const unsigned char* row =
        cairo_image_surface_get_data(picture) + where.v * cairo_image_surface_get_stride(picture);
    const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[where.h];
    return Color{static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                 static_cast<uint8_t>(pixel), 255};
}

bool savePicture(EditorFrame& frame, const char* path) {
    cairo_surface_flush(frame.picture());
    return cairo_surface_write_to_png(frame.picture(), path) == CAIRO_STATUS_SUCCESS;
}
