// The lettering of the panel: Liberation Sans, found through fontconfig. The
// program refuses to draw with any other face, so that the bitmaps never
// change silently on a machine that lacks the font.
#pragma once

#include "resources/artwork/Colour.h"

#include <cairo.h>

#include <string_view>

namespace artwork {

enum class Weight { Regular, Bold };
enum class Align { Left, Centre, Right };

struct TextStyle {
    Weight weight = Weight::Bold;
    double size = 8.0;
    Colour colour;
    double tracking = 0.0;  // extra space after each letter, in pixels
};

class Fonts {
public:
    Fonts();  // throws std::runtime_error without Liberation Sans
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    // Selects the face, size and rendering options of `style` on `cr`.
    void select(cairo_t* cr, const TextStyle& style) const;

    double width(cairo_t* cr, const TextStyle& style, std::string_view text) const;

    // Draws `text` with its baseline at `baseline`, aligned at `x`.
    void draw(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double baseline,
              Align align) const;

    // Draws `text` centred on (cx, cy), measured by the height of its capitals.
    void drawCentred(cairo_t* cr, const TextStyle& style, std::string_view text, double cx, double cy) const;

    // The baseline that centres capitals of `style` vertically on `cy`.
    static double baselineCentredOn(const TextStyle& style, double cy);

private:
    cairo_font_face_t* regular_ = nullptr;
    cairo_font_face_t* bold_ = nullptr;
};

}  // namespace artwork
