#include "widgets/DrawContext.h"

#include <string>

#include "widgets/EditorFrame.h"
#include "widgets/KitFonts.h"

namespace {

// Our texts are 8-bit Latin-1; cairo takes UTF-8.
std::string latin1ToUtf8(const char* text) {
    std::string utf8;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
        if (*c < 0x80) {
            utf8 += static_cast<char>(*c);
        } else {
            utf8 += static_cast<char>(0xC0 | (*c >> 6));
            utf8 += static_cast<char>(0x80 | (*c & 0x3F));
        }
    }
    return utf8;
}

}  // namespace

DrawContext::DrawContext(cairo_surface_t* target, EditorFrame* frame)
    : surface(target), cr(cairo_create(target)), frame(frame) {
    // Shapes are drawn pixel-exact, as the artwork expects; only text is smoothed.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    selectFont();
}

DrawContext::~DrawContext() { cairo_destroy(cr); }

void DrawContext::setSource(Color color) {
    cairo_set_source_rgba(cr, color.red / 255.0, color.green / 255.0, color.blue / 255.0,
                          color.alpha / 255.0);
}

void DrawContext::setFont(int index, int maxHeight) {
    font = (index < 0 || index >= kNumKitFonts) ? 0 : index;
    fontCap = maxHeight;
    selectFont();
}

void DrawContext::selectFont() {
    const KitFont& f = kitFont(font);
    cairo_select_font_face(cr, f.face, CAIRO_FONT_SLANT_NORMAL,
                           f.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, (fontCap > 0 && fontCap < f.height) ? fontCap : f.height);
}

void DrawContext::lineTo(Point p) {
    drawLine(pen, p);
    pen = p;
}

void DrawContext::drawLine(Point from, Point to) {
    setSource(frameColor);
    if (from.h == to.h || from.v == to.v) {
        // Straight lines as rectangles: exact pixels, end point left out.
        Rect r{std::min(from.h, to.h), std::min(from.v, to.v), std::max(from.h, to.h),
               std::max(from.v, to.v)};
        if (from.h == to.h) {
            if (to.v < from.v) r = r.offset(0, 1);
            r.right = r.left + lineWidth;
        } else {
            if (to.h < from.h) r = r.offset(1, 0);
            r.bottom = r.top + lineWidth;
        }
        cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
        cairo_fill(cr);
        return;
    }
    cairo_set_line_width(cr, lineWidth);
    cairo_move_to(cr, from.h + 0.5, from.v + 0.5);
    cairo_line_to(cr, to.h + 0.5, to.v + 0.5);
    cairo_stroke(cr);
}

void DrawContext::drawRect(const Rect& r) {
    if (r.empty()) return;
    setSource(frameColor);
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, r.left + 0.5, r.top + 0.5, r.width() - 1, r.height() - 1);
    cairo_stroke(cr);
}

void DrawContext::fillRect(const Rect& r) {
    if (r.empty()) return;
    setSource(fillColor);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_fill(cr);
}

void DrawContext::drawString(const char* text, const Rect& area, bool opaque, HoriAlign align) {
    if (area.empty()) return;
    if (opaque) fillRect(area);
    constexpr int kInset = 2;  // keeps left or right aligned text off the edge
    int x = area.left + kInset;
    if (align == kCenterText)
        x = area.left + (area.width() - getStringWidth(text)) / 2;
    else if (align == kRightText)
        x = area.right - kInset - getStringWidth(text);
    drawStringAt(text, x, area);
}

void DrawContext::drawStringAt(const char* text, int x, const Rect& area) {
    const std::string utf8 = latin1ToUtf8(text ? text : "");
    if (utf8.empty() || area.empty()) return;
    pushClip(area);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    const double baseline =
        area.top + (area.height() - (font.ascent + font.descent)) / 2.0 + font.ascent;
    setSource(fontColor);
    cairo_move_to(cr, x, static_cast<int>(baseline + 0.5));
    cairo_show_text(cr, utf8.c_str());
    popClip();
}

int DrawContext::getStringWidth(const char* text) {
    const std::string utf8 = latin1ToUtf8(text ? text : "");
    if (utf8.empty()) return 0;
    cairo_text_extents_t extents;
    cairo_text_extents(cr, utf8.c_str(), &extents);
    return static_cast<int>(extents.x_advance + 0.5);
}

void DrawContext::pushClip(const Rect& r) {
    cairo_save(cr);
    cairo_rectangle(cr, r.left, r.top, r.width() > 0 ? r.width() : 0,
                    r.height() > 0 ? r.height() : 0);
    cairo_clip(cr);
}

void DrawContext::popClip() { cairo_restore(cr); }

int DrawContext::getMouseButtons() const { return frame ? frame->pointerButtons() : 0; }

Point DrawContext::getMouseLocation() const { return frame ? frame->pointerLocation() : Point{}; }

void DrawContext::copyPicture(cairo_surface_t* picture, Point size, const Rect& destination,
                              Point offset) {
    const Point origin{destination.left - offset.h, destination.top - offset.v};
    const Rect area = destination.intersection(Rect{0, 0, size.h, size.v}.offset(origin.h, origin.v));
    if (!picture || area.empty()) return;
    cairo_save(cr);
    cairo_rectangle(cr, area.left, area.top, area.width(), area.height());
    cairo_clip(cr);
    cairo_set_source_surface(cr, picture, origin.h, origin.v);
    cairo_paint(cr);
    cairo_restore(cr);
}
