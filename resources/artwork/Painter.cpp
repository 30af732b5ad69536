#include "resources/artwork/Painter.h"

#include "resources/artwork/Palette.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artwork {

void roundedRectPath(cairo_t* cr, Box box, double radius) {
    const double r = std::min({radius, box.w * 0.5, box.h * 0.5});
    const double pi = std::numbers::pi;
    cairo_new_sub_path(cr);
    cairo_arc(cr, box.x + box.w - r, box.y + r, r, -pi / 2, 0);
    cairo_arc(cr, box.x + box.w - r, box.y + box.h - r, r, 0, pi / 2);
    cairo_arc(cr, box.x + r, box.y + box.h - r, r, pi / 2, pi);
    cairo_arc(cr, box.x + r, box.y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void fillBox(cairo_t* cr, Box box, Colour colour) {
    cairo_rectangle(cr, box.x, box.y, box.w, box.h);
    setColour(cr, colour);
    cairo_fill(cr);
}

void fillRounded(cairo_t* cr, Box box, double radius, Colour colour) {
    roundedRectPath(cr, box, radius);
    setColour(cr, colour);
    cairo_fill(cr);
}

void setVerticalGradient(cairo_t* cr, double y0, double y1, Colour top, Colour bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, y0, 0, y1);
    addStop(gradient, 0.0, top);
    addStop(gradient, 1.0, bottom);
    cairo_set_source(cr, gradient);
    cairo_pattern_destroy(gradient);
}

void drawBevel(cairo_t* cr, Box box, Colour light, Colour dark) {
    fillBox(cr, {box.x, box.y, box.w, 1}, light);
    fillBox(cr, {box.x, box.y, 1, box.h}, light);
    fillBox(cr, {box.x, box.y + box.h - 1, box.w, 1}, dark);
    fillBox(cr, {box.x + box.w - 1, box.y, 1, box.h}, dark);
}

void drawWell(cairo_t* cr, Box box, double radius) {
    // The catch of light on the lower lip, then the floor one pixel higher.
    fillRounded(cr, {box.x, box.y + 1, box.w, box.h}, radius, palette::kEngraveLight);
    fillRounded(cr, box, radius, palette::kWell);
    cairo_save(cr);
    roundedRectPath(cr, box, radius);
    cairo_clip(cr);
    setVerticalGradient(cr, box.y, box.y + 3, palette::kEngraveShadow.darker(0.5), palette::kWell);
    cairo_rectangle(cr, box.x, box.y, box.w, 3);
    cairo_fill(cr);
    cairo_restore(cr);
}

void drawLamp(cairo_t* cr, double cx, double cy, double radius, Colour lit, Colour unlit, bool on, double glow) {
    const double pi2 = 2 * std::numbers::pi;
    if (on && glow > 0.0) {
        cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, radius * 0.5, cx, cy, radius + glow);
        addStop(halo, 0.0, lit, 0.55);
        addStop(halo, 1.0, lit, 0.0);
        cairo_set_source(cr, halo);
        cairo_arc(cr, cx, cy, radius + glow, 0, pi2);
        cairo_fill(cr);
        cairo_pattern_destroy(halo);
    }
    // Bezel ring, then the lens: bright core when lit, dull when not.
    cairo_arc(cr, cx, cy, radius + 0.6, 0, pi2);
    setColour(cr, palette::kEngraveShadow);
    cairo_fill(cr);
    const Colour core = on ? lit.lighter(0.55) : unlit.lighter(0.12);
    const Colour rim = on ? lit : unlit.darker(0.35);
    cairo_pattern_t* lens = cairo_pattern_create_radial(cx - radius * 0.3, cy - radius * 0.35, 0, cx, cy, radius);
    addStop(lens, 0.0, core);
    addStop(lens, 1.0, rim);
    cairo_set_source(cr, lens);
    cairo_arc(cr, cx, cy, radius, 0, pi2);
    cairo_fill(cr);
    cairo_pattern_destroy(lens);
}

void drawLine(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Colour colour) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    setColour(cr, colour);
    cairo_stroke(cr);
}

}  // namespace artwork
