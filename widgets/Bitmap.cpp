#include "widgets/Bitmap.h"

#include <cstdint>
#include <cstring>

#include "resources/EmbeddedBitmaps.h"
#include "widgets/DrawContext.h"

namespace {

struct PngReader {
    const unsigned char* data;
    std::size_t size;
    std::size_t position;
};

cairo_status_t readPng(void* closure, unsigned char* out, unsigned int length) {
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->size - reader->position < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, reader->data + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

// Decodes an embedded PNG into an ARGB32 image; null when it cannot.
cairo_surface_t* decodePng(const EmbeddedBitmap& bitmap) {
    PngReader reader{bitmap.png, bitmap.size, 0};
    cairo_surface_t* decoded = cairo_image_surface_create_from_png_stream(readPng, &reader);
    if (cairo_surface_status(decoded) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(decoded);
        return nullptr;
    }
    const int w = cairo_image_surface_get_width(decoded);
    const int h = cairo_image_surface_get_height(decoded);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(image);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, decoded, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(decoded);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    return image;
}

}  // namespace

Bitmap::Bitmap(int resourceId) : resourceId(resourceId) {
    if (const EmbeddedBitmap* embedded = findEmbeddedBitmap(resourceId)) image = decodePng(*embedded);
    if (image) {
        width = cairo_image_surface_get_width(image);
        height = cairo_image_surface_get_height(image);
    }
}

Bitmap::Bitmap(int w, int h) {
    if (w <= 0 || h <= 0) return;
    image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        image = nullptr;
        return;
    }
    width = w;
    height = h;
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

Bitmap::~Bitmap() {
    if (keyed) cairo_surface_destroy(keyed);
    if (image) cairo_surface_destroy(image);
}

void Bitmap::forget() {
    if (--referenceCount <= 0) delete this;
}

void Bitmap::setTransparentColor(Color color) {
    transparentColor = color;
    changed();
}

void Bitmap::changed() {
    if (image) cairo_surface_mark_dirty(image);
    if (keyed) cairo_surface_destroy(keyed);
    keyed = nullptr;
}

cairo_surface_t* Bitmap::keyedImage() {
    if (keyed || !image) return keyed;
    cairo_surface_flush(image);
    keyed = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(keyed) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(keyed);
        keyed = nullptr;
        return nullptr;
    }
    const uint32_t key = 0xFF000000u | (uint32_t{transparentColor.red} << 16) |
                         (uint32_t{transparentColor.green} << 8) | transparentColor.blue;
    const unsigned char* from = cairo_image_surface_get_data(image);
    unsigned char* to = cairo_image_surface_get_data(keyed);
    const int fromStride = cairo_image_surface_get_stride(image);
    const int toStride = cairo_image_surface_get_stride(keyed);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const uint32_t*>(from + y * fromStride);
        auto* out = reinterpret_cast<uint32_t*>(to + y * toStride);
        for (int x = 0; x < width; ++x) out[x] = in[x] == key ? 0u : in[x];
    }
    cairo_surface_mark_dirty(keyed);
    return keyed;
}

void Bitmap::copy(DrawContext& context, cairo_surface_t* source, const Rect& destination,
                  Point offset) {
    context.copyPicture(source, {width, height}, destination, offset);
}

void Bitmap::draw(DrawContext& context, const Rect& destination, Point offset) {
    copy(context, image, destination, offset);
}

void Bitmap::drawTransparent(DrawContext& context, const Rect& destination, Point offset) {
    copy(context, keyedImage(), destination, offset);
}
