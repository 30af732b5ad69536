// Owning handles for cairo surfaces and contexts, and PNG input and output.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>

namespace artwork {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using Context = std::unique_ptr<cairo_t, ContextRelease>;

Surface makeSurface(cairo_format_t format, int width, int height);
Context makeContext(cairo_surface_t* surface);

struct Pixel {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool sameColourAs(const Pixel& other) const { return r == other.r && g == other.g && b == other.b; }
};

// The pixel at (x, y), un-premultiplied; alpha is 255 for RGB24 surfaces.
Pixel pixelAt(cairo_surface_t* surface, int x, int y);

// Throws std::runtime_error when the file cannot be written.
void writePng(cairo_surface_t* surface, const std::string& path);
// Null when the file is missing or not a PNG.
Surface readPng(const std::string& path);

}  // namespace artwork
