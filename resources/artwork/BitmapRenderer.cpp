#include "resources/artwork/BitmapRenderer.h"

#include "resources/artwork/Palette.h"

#include <cmath>
#include <cstdint>

namespace artwork {
namespace {

// Pixels at least this opaque become part of the picture; fainter ones become
// the transparent colour, so that the keyed edge follows the drawn shape.
constexpr unsigned kOpaqueEnough = 128;

std::uint32_t packed(Colour colour) {
    auto byte = [](double channel) { return static_cast<std::uint32_t>(std::lround(channel * 255.0)); };
    return (byte(colour.r) << 16) | (byte(colour.g) << 8) | byte(colour.b);
}

// Half-covered edge pixels are blended against the panel colour they will be
// seen on; a drawn pixel that happens to equal the transparent colour is
// nudged by one step so that it does not turn into a hole.
std::uint32_t flattenedPixel(std::uint32_t argb, std::uint32_t key, std::uint32_t matte) {
    const unsigned alpha = argb >> 24;
    if (alpha < kOpaqueEnough) return key;
    std::uint32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned premultiplied = (argb >> shift) & 0xff;
        const unsigned background = (matte >> shift) & 0xff;
        const unsigned value = premultiplied + (background * (255 - alpha) + 127) / 255;
        result |= (value > 255 ? 255u : value) << shift;
    }
    return result == key ? result ^ 1u : result;
}

Surface flattened(cairo_surface_t* drawing, Colour transparent) {
    const int width = cairo_image_surface_get_width(drawing);
    const int height = cairo_image_surface_get_height(drawing);
    Surface picture = makeSurface(CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_flush(drawing);
    cairo_surface_flush(picture.get());
    const std::uint32_t key = packed(transparent);
    const std::uint32_t matte = packed(palette::kPanel);
    for (int y = 0; y < height; ++y) {
        auto* from = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(drawing) +
                                                            y * cairo_image_surface_get_stride(drawing));
        auto* to = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(picture.get()) +
                                                    y * cairo_image_surface_get_stride(picture.get()));
        for (int x = 0; x < width; ++x) to[x] = flattenedPixel(from[x], key, matte);
    }
    cairo_surface_mark_dirty(picture.get());
    return picture;
}

}  // namespace

Surface renderBitmap(const BitmapEntry& entry, const ArtContext& context) {
    Surface drawing = makeSurface(CAIRO_FORMAT_ARGB32, entry.width, entry.height);
    {
        Context cr = makeContext(drawing.get());
        entry.draw(cr.get(), context);
    }
    return flattened(drawing.get(), entry.transparent);
}

void writeAllBitmaps(const ArtContext& context, const std::string& directory) {
    for (const BitmapEntry& entry : bitmapCatalogue()) {
        Surface picture = renderBitmap(entry, context);
        writePng(picture.get(), directory + "/" + std::to_string(entry.id) + ".png");
    }
}

}  // namespace artwork
