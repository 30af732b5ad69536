#include "tools/render/WaveformPlot.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

#include "tools/render/RenderError.h"

namespace {

constexpr int kTitleHeight = 28;
constexpr int kLaneGap = 6;
constexpr int kGroupGap = 18;  // between the input and output pairs
constexpr int kHeight = kTitleHeight + 4 * PlotLayout::kLaneHeight + 2 * kLaneGap + kGroupGap + 12;
constexpr const char* kLaneNames[4] = {"in L", "in R", "out L", "out R"};

struct Colour {
    double r, g, b;
};
constexpr Colour kBackground{0.11, 0.12, 0.14};
constexpr Colour kLaneBackground{0.16, 0.17, 0.20};
constexpr Colour kGrid{0.32, 0.33, 0.38};
constexpr Colour kText{0.85, 0.86, 0.88};
constexpr Colour kInputWave{0.45, 0.70, 0.95};
constexpr Colour kOutputWave{0.98, 0.62, 0.30};

// The picture is drawn once per run: the font caches go back afterwards,
// so that leak checkers see a clean exit.
void releaseFontCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

void setColour(cairo_t* cr, Colour c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

int laneTop(int lane) {
    return kTitleHeight + lane * (PlotLayout::kLaneHeight + kLaneGap) + (lane >= 2 ? kGroupGap : 0);
}

void drawBarLines(cairo_t* cr, const PlotContent& content, int top) {
    const double framesPerBar = content.sampleRate * 240.0 / content.tempo;
    const double columnsPerFrame = PlotLayout::columns() / static_cast<double>(content.totalFrames);
    setColour(cr, kGrid);
    cairo_set_line_width(cr, 1.0);
    for (double frame = framesPerBar; frame < content.totalFrames; frame += framesPerBar) {
        const double x = PlotLayout::kMargin + frame * columnsPerFrame + 0.5;
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x, top + PlotLayout::kLaneHeight);
    }
    cairo_stroke(cr);
}

void drawLane(cairo_t* cr, const PlotContent& content, int lane) {
    const int top = laneTop(lane);
    const double middle = top + PlotLayout::kLaneHeight / 2.0;
    const double scale = PlotLayout::kLaneHeight / 2.0 - 2.0;
    setColour(cr, kLaneBackground);
    cairo_rectangle(cr, PlotLayout::kMargin, top, PlotLayout::columns(), PlotLayout::kLaneHeight);
    cairo_fill(cr);
    if (content.totalFrames > 0) drawBarLines(cr, content, top);

    setColour(cr, kText);
    cairo_move_to(cr, 4, middle + 4);
    cairo_show_text(cr, kLaneNames[lane]);

    // One vertical stroke per column from its lowest to its highest sample;
    // anything beyond full scale is drawn at the lane's edge.
    const WaveEnvelope& envelope = *content.lanes[lane];
    setColour(cr, lane < 2 ? kInputWave : kOutputWave);
    cairo_set_line_width(cr, 1.0);
    for (int column = 0; column < envelope.columns(); ++column) {
        if (!envelope.hasData(column)) continue;
        const double low = std::max(-1.0f, std::min(1.0f, envelope.low(column)));
        const double high = std::max(-1.0f, std::min(1.0f, envelope.high(column)));
        const double x = PlotLayout::kMargin + column + 0.5;
        cairo_move_to(cr, x, middle - high * scale - 0.5);
        cairo_line_to(cr, x, middle - low * scale + 0.5);
    }
    cairo_stroke(cr);
}

void drawToPng(const cli::OutputFile& output, const PlotContent& content) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, PlotLayout::kWidth, kHeight),
        cairo_surface_destroy);
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> context(cairo_create(surface.get()),
                                                               cairo_destroy);
    cairo_t* cr = context.get();
    setColour(cr, kBackground);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12.0);
    setColour(cr, kText);
    cairo_move_to(cr, PlotLayout::kMargin, 18);
    cairo_show_text(cr, content.title.c_str());
    for (int lane = 0; lane < 4; ++lane) drawLane(cr, content, lane);

    cairo_surface_flush(surface.get());
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_write_to_png(surface.get(), output.writingPath().c_str()) != CAIRO_STATUS_SUCCESS)
        throw RenderError("cannot write the picture " + output.path());
}

}  // namespace

void writeWaveformPlot(const cli::OutputFile& output, const PlotContent& content) {
    try {
        drawToPng(output, content);
    } catch (...) {
        releaseFontCaches();
        throw;
    }
    releaseFontCaches();
}
