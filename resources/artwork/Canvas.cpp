#include "resources/artwork/Canvas.h"

#include <stdexcept>

namespace artwork {

Surface makeSurface(cairo_format_t format, int width, int height) {
    Surface surface{cairo_image_surface_create(format, width, height)};
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing surface");
    return surface;
}

Context makeContext(cairo_surface_t* surface) {
    Context context{cairo_create(surface)};
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing context");
    return context;
}

Pixel pixelAt(cairo_surface_t* surface, int x, int y) {
    cairo_surface_flush(surface);
    const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    const std::uint32_t word = reinterpret_cast<const std::uint32_t*>(row)[x];
    const bool hasAlpha = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    const unsigned alpha = hasAlpha ? word >> 24 : 255u;
    // Cairo keeps colour premultiplied by alpha; undo that for comparisons.
    auto channel = [alpha](unsigned value) {
        return static_cast<std::uint8_t>(alpha == 0 ? 0 : (value * 255u + alpha / 2) / alpha);
    };
    return {channel((word >> 16) & 0xff), channel((word >> 8) & 0xff), channel(word & 0xff),
            static_cast<std::uint8_t>(alpha)};
}

void writePng(cairo_surface_t* surface, const std::string& path) {
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

Surface readPng(const std::string& path) {
    Surface surface{cairo_image_surface_create_from_png(path.c_str())};
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
    return surface;
}

}  // namespace artwork
