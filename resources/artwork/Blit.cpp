#include "resources/artwork/Blit.h"

#include <cmath>
#include <cstdint>

namespace artwork {
namespace {

std::uint32_t* row(cairo_surface_t* surface, int y) {
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                            y * cairo_image_surface_get_stride(surface));
}

std::uint32_t packed(Colour colour) {
    auto byte = [](double channel) { return static_cast<std::uint32_t>(std::lround(channel * 255.0)); };
    return (byte(colour.r) << 16) | (byte(colour.g) << 8) | byte(colour.b);
}

}  // namespace

void blit(cairo_surface_t* target, cairo_surface_t* bitmap, Rect to, int sourceX, int sourceY,
          std::optional<Colour> transparent) {
    cairo_surface_flush(target);
    cairo_surface_flush(bitmap);
    const int targetWidth = cairo_image_surface_get_width(target);
    const int targetHeight = cairo_image_surface_get_height(target);
    const int bitmapWidth = cairo_image_surface_get_width(bitmap);
    const int bitmapHeight = cairo_image_surface_get_height(bitmap);
    const std::uint32_t key = transparent ? packed(*transparent) : 0;
    for (int y = 0; y < to.height(); ++y) {
        const int ty = to.top + y, sy = sourceY + y;
        if (ty < 0 || ty >= targetHeight || sy < 0 || sy >= bitmapHeight) continue;
        for (int x = 0; x < to.width(); ++x) {
            const int tx = to.left + x, sx = sourceX + x;
            if (tx < 0 || tx >= targetWidth || sx < 0 || sx >= bitmapWidth) continue;
            const std::uint32_t pixel = row(bitmap, sy)[sx] & 0xffffffu;
            if (transparent && pixel == key) continue;
            row(target, ty)[tx] = 0xff000000u | pixel;
        }
    }
    cairo_surface_mark_dirty(target);
}

}  // namespace artwork
