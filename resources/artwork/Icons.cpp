#include "resources/artwork/Icons.h"

#include "resources/artwork/Painter.h"

#include <numbers>

namespace artwork {

void drawTriangle(cairo_t* cr, double cx, double cy, double width, double height, Pointing pointing,
                  Colour colour) {
    const double hw = width * 0.5, hh = height * 0.5;
    switch (pointing) {
        case Pointing::Right:
            cairo_move_to(cr, cx - hw, cy - hh);
            cairo_line_to(cr, cx + hw, cy);
            cairo_line_to(cr, cx - hw, cy + hh);
            break;
        case Pointing::Left:
            cairo_move_to(cr, cx + hw, cy - hh);
            cairo_line_to(cr, cx - hw, cy);
            cairo_line_to(cr, cx + hw, cy + hh);
            break;
        case Pointing::Down:
            cairo_move_to(cr, cx - hw, cy - hh);
            cairo_line_to(cr, cx + hw, cy - hh);
            cairo_line_to(cr, cx, cy + hh);
            break;
        case Pointing::Up:
            cairo_move_to(cr, cx - hw, cy + hh);
            cairo_line_to(cr, cx + hw, cy + hh);
            cairo_line_to(cr, cx, cy - hh);
            break;
    }
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
}

void drawPixelTriangle(cairo_t* cr, int left, int top, int rows, bool pointingUp, Colour colour) {
    for (int row = 0; row < rows; ++row) {
        const int y = pointingUp ? top + rows - 1 - row : top + row;
        fillBox(cr, {double(left + row), double(y), double(2 * (rows - row) - 1), 1}, colour);
    }
}

void drawPadlock(cairo_t* cr, double cx, double cy, bool locked, Colour colour) {
    // Body: the lower four rows; shackle: an arch above it.
    fillBox(cr, {cx - 2.5, cy - 0.5, 5, 4}, colour);
    const double shackleX = locked ? cx : cx + 1.5;
    const double shackleBottom = locked ? cy - 0.5 : cy - 1.5;
    cairo_new_path(cr);
    cairo_move_to(cr, shackleX - 1.6, locked ? cy - 0.5 : shackleBottom + 1.0);
    cairo_arc(cr, shackleX, shackleBottom - 1.6, 1.6, std::numbers::pi, 2 * std::numbers::pi);
    cairo_line_to(cr, shackleX + 1.6, shackleBottom);
    cairo_set_line_width(cr, 1.0);
    setColour(cr, colour);
    cairo_stroke(cr);
}

void drawArrow(cairo_t* cr, double cx, double cy, double length, bool left, bool right, Colour colour) {
    const double head = 2.6;
    const double x0 = cx - length * 0.5 + (left ? head : 0.0);
    const double x1 = cx + length * 0.5 - (right ? head : 0.0);
    fillBox(cr, {x0, cy - 0.5, x1 - x0, 1.0}, colour);
    if (left) drawTriangle(cr, cx - length * 0.5 + head * 0.5, cy, head, 4.5, Pointing::Left, colour);
    if (right) drawTriangle(cr, cx + length * 0.5 - head * 0.5, cy, head, 4.5, Pointing::Right, colour);
}

}  // namespace artwork
