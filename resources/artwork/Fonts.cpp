#include "resources/artwork/Fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <stdexcept>
#include <string>

namespace artwork {
namespace {

constexpr const char* kFamily = "Liberation Sans";
// Height of a capital letter of Liberation Sans, as a share of the em.
constexpr double kCapHeight = 0.69;

cairo_font_face_t* loadFace(int fontconfigWeight) {
    FcPattern* request = FcPatternCreate();
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
    FcPatternAddInteger(request, FC_WEIGHT, fontconfigWeight);
    FcPatternAddInteger(request, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, request, &result);
    FcPatternDestroy(request);
    FcChar8* family = nullptr;
    if (!match || FcPatternGetString(match, FC_FAMILY, 0, &family) != FcResultMatch ||
        std::string(reinterpret_cast<const char*>(family)) != kFamily) {
        if (match) FcPatternDestroy(match);
        throw std::runtime_error(std::string("the font ") + kFamily + " is not installed (fonts-liberation)");
    }
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    return face;
}

double alignedX(double x, double width, Align align) {
    switch (align) {
        case Align::Left: return x;
        case Align::Centre: return x - width * 0.5;
        case Align::Right: return x - width;
    }
    return x;
}

}  // namespace

Fonts::Fonts() : regular_(loadFace(FC_WEIGHT_REGULAR)), bold_(loadFace(FC_WEIGHT_BOLD)) {}

Fonts::~Fonts() {
    cairo_font_face_destroy(regular_);
    cairo_font_face_destroy(bold_);
}

void Fonts::select(cairo_t* cr, const TextStyle& style) const {
    cairo_set_font_face(cr, style.weight == Weight::Bold ? bold_ : regular_);
    cairo_set_font_size(cr, style.size);
    // Fixed rendering options: the machine's own font settings must not
    // change the pictures.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

double Fonts::width(cairo_t* cr, const TextStyle& style, std::string_view text) const {
    select(cr, style);
    const std::string copy(text);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, copy.c_str(), &extents);
    const double letters = static_cast<double>(text.size());
    return extents.x_advance + (letters > 1 ? style.tracking * (letters - 1) : 0.0);
}

void Fonts::draw(cairo_t* cr, const TextStyle& style, std::string_view text, double x, double baseline,
                 Align align) const {
    double penX = alignedX(x, width(cr, style, text), align);
    setColour(cr, style.colour);
    // Letters are filled as outlines: they keep their exact places between
    // pixels, and their shapes do not depend on the machine's glyph renderer.
    cairo_new_path(cr);
    if (style.tracking == 0.0) {
        cairo_move_to(cr, penX, baseline);
        cairo_text_path(cr, std::string(text).c_str());
    } else {
        // Spaced capitals: one letter at a time, each advanced by its own width.
        for (char letter : text) {
            const char single[2] = {letter, '\0'};
            cairo_text_extents_t extents;
            cairo_text_extents(cr, single, &extents);
            cairo_move_to(cr, penX, baseline);
            cairo_text_path(cr, single);
            penX += extents.x_advance + style.tracking;
        }
    }
    cairo_fill(cr);
}

double Fonts::baselineCentredOn(const TextStyle& style, double cy) {
    return cy + style.size * kCapHeight * 0.5;
}

void Fonts::drawCentred(cairo_t* cr, const TextStyle& style, std::string_view text, double cx, double cy) const {
    draw(cr, style, text, cx, baselineCentredOn(style, cy), Align::Centre);
}

}  // namespace artwork
