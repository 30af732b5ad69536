// The window composed from the bitmaps as the editor draws its controls:
// each control copies its image over its rectangle, opaque or leaving out
// the transparent colour, and the menus and displays write their text.
#include "resources/artwork/BitmapCatalogue.h"
#include "resources/artwork/Blit.h"
#include "resources/artwork/KnobGeometry.h"
#include "resources/artwork/PanelLayout.h"
#include "resources/artwork/Palette.h"
#include "resources/artwork/Preview.h"

#include <cmath>

namespace artwork {
namespace {

using namespace layout;

// A control that shows one image of a bitmap: at rest, or engaged.
struct Shown {
    int id;
    Rect rect;
    int restImage, engagedImage;
    bool transparent;
};

constexpr Shown kShown[] = {
    {160, kRecordButton, 0, 3, false},      {161, kRewindButton, 0, 1, false},
    {159, kClearButton, 0, 1, false},       {162, kReleaseButton, 0, 1, false},
    {151, kTouchRecButton, 0, 1, false},    {179, kRecSyncMenu, 0, 0, false},
    {134, kBpmLockButton, 0, 1, false},     {179, kLengthQuantMenu, 0, 0, false},
    {168, kRepeatLockButton, 0, 1, false},  {165, kOffsetJmpBackButton, 0, 1, false},
    {164, kOffsetJmpFfwButton, 0, 1, false}, {179, kRecOffsetMenu, 0, 0, false},
    {178, kGateKnob, 0, 14, true},          {178, kShuffleKnob, 4, 18, true},
    {170, kBlendKnob, 9, 3, true},          {170, kPitchKnob, 9, 15, true},
    {170, kPitchHoldKnob, 0, 6, true},      {170, kPitchRelKnob, 0, 11, true},
    {156, kPitchModeMenu, 0, 0, false},     {170, kFilterFreqKnob, 18, 7, true},
    {170, kFilterGainKnob, 9, 13, true},    {170, kFilterQKnob, 9, 2, true},
    {170, kFilterSpeedKnob, 0, 9, true},    {169, kFilterMenu, 0, 0, false},
    {176, kModulatorModeMenu, 0, 0, false}, {170, kModulatorSpeedKnob, 9, 16, true},
    {170, kModulatorAmpKnob, 9, 4, true},   {133, kDivisionSwitch, 0, 3, false},
    {166, kDivisionModeButton, 0, 1, false}, {135, kDirectionSwitch, 0, 2, false},
    {174, kLengthDisplay, 0, 0, true},      {175, kOffsetDisplay, 0, 0, false},
};

// How the window's controls place their parts.
constexpr double kDotInset = 4;           // touch knobs: the dot's path inside the rim
constexpr int kDotHalf = 2;               // half the 4-pixel dot
constexpr int kSliderTravel = 68;         // sliders: the handle's left edge moves this far
constexpr int kHandleWidth = 9, kHandleHeight = 16, kHandleDrop = 1;
constexpr int kScopeColumns = 96, kScopeBorder = 2, kScopeCentreRow = 18, kScopeCursorBottom = 37;
constexpr double kMenuFontSize = 11;      // the kit's 12-pixel face
constexpr double kScopeFontSize = 16;     // the kit's 18-pixel face
constexpr int kMenuTextInset = 3;

cairo_surface_t* bitmapOf(const BitmapSet& bitmaps, int id) { return bitmaps.at(id).get(); }

void show(cairo_surface_t* window, const BitmapSet& bitmaps, int id, Rect rect, int image, bool transparent) {
    const BitmapEntry& entry = *findBitmap(id);
    blit(window, bitmapOf(bitmaps, id), rect, 0, image * entry.imageHeight,
         transparent ? std::optional<Colour>(entry.transparent) : std::nullopt);
}

// Body, then the dot on its 270-degree path, as the touch knobs place it.
void showTouchKnob(cairo_surface_t* window, const BitmapSet& bitmaps, int body, Rect rect, double value,
                   bool touch) {
    show(window, bitmaps, body, rect, 0, true);
    const double radius = rect.width() * 0.5;
    const double alpha = kKnobStartAngle - kKnobSweep * value;
    const int h = static_cast<int>(radius + std::cos(alpha) * (radius - kDotInset) + 0.5);
    const int v = static_cast<int>(radius - std::sin(alpha) * (radius - kDotInset) + 0.5);
    const Rect dot{rect.left + h - kDotHalf, rect.top + v - kDotHalf, rect.left + h + kDotHalf,
                   rect.top + v + kDotHalf};
    show(window, bitmaps, touch ? 180 : 130, dot, 0, true);
}

void showSlider(cairo_surface_t* window, const BitmapSet& bitmaps, Rect rect, double value, bool touch) {
    show(window, bitmaps, 136, rect, 0, false);
    const int left = rect.left + static_cast<int>(kSliderTravel * value);
    const int top = rect.top + kHandleDrop;
    show(window, bitmaps, touch ? 181 : 137, {left, top, left + kHandleWidth, top + kHandleHeight}, 0, false);
}

void showScope(cairo_surface_t* window, const BitmapSet& bitmaps, const Fonts& fonts, bool engaged) {
    const Rect picture = kLoopScopePicture;
    show(window, bitmaps, 163, picture, engaged ? 1 : 0, false);
    Context cr = makeContext(window);
    cairo_translate(cr.get(), picture.left, picture.top);
    // A made-up loop: four beats with a quieter tail each.
    for (int i = 0; i < kScopeColumns; ++i) {
        const double level = 0.55 * std::fabs(std::sin(i * 0.21)) * (i % 24 < 18 ? 1.0 : 0.3);
        const int y = static_cast<int>(kScopeCentreRow * level);
        cairo_rectangle(cr.get(), i + kScopeBorder, kScopeCentreRow - y, 1, 2 * y + 1);
    }
    setColour(cr.get(), palette::kDark);
    cairo_fill(cr.get());
    const int cursor = kScopeBorder + (engaged ? kScopeColumns / 2 : kScopeColumns * 3 / 8);
    cairo_rectangle(cr.get(), cursor, kScopeBorder, 1, kScopeCursorBottom - kScopeBorder);
    setColour(cr.get(), palette::kRedKey);
    cairo_fill(cr.get());
    if (engaged)
        fonts.drawCentred(cr.get(), {Weight::Regular, kScopeFontSize, palette::kScopeText, 0}, "0.35 amt",
                          picture.width() * 0.5, picture.height() * 0.5);
}

// The text the window writes over a menu or display.
struct Written {
    Rect rect;
    const char* rest;
    const char* engaged;
    Colour colour;
    bool centred;
};

void writeTexts(cairo_surface_t* window, const Fonts& fonts, bool engaged) {
    const Colour white = palette::kWhiteKey, cream = palette::kText;
    const Written texts[] = {
        {kRecSyncMenu, "Rec Sync", "1/16", white, false},   {kRecOffsetMenu, "Rec Offset", "1/16 shuffle", white, false},
        {kLengthQuantMenu, "Free", "1/16", cream, true},     {kPitchModeMenu, "Off", "Transpose", cream, true},
        {kModulatorModeMenu, "Off", "Major Arpegio", cream, true}, {kLengthDisplay, "1 Bar", "2:3/8:5/64", cream, true},
        {kOffsetDisplay, "0.00", "-22.68", cream, true},
    };
    Context cr = makeContext(window);
    for (const Written& text : texts) {
        const TextStyle style{Weight::Regular, kMenuFontSize, text.colour, 0};
        const char* words = engaged ? text.engaged : text.rest;
        const double baseline = Fonts::baselineCentredOn(style, text.rect.centreY());
        if (text.centred)
            fonts.draw(cr.get(), style, words, text.rect.centreX(), baseline, Align::Centre);
        else
            fonts.draw(cr.get(), style, words, text.rect.left + kMenuTextInset, baseline, Align::Left);
    }
    // The tempo field draws its own framed box.
    const Rect tempo = kTempoEntry;
    cairo_rectangle(cr.get(), tempo.left, tempo.top, tempo.width(), tempo.height());
    setColour(cr.get(), palette::kDark);
    cairo_fill(cr.get());
    fonts.drawCentred(cr.get(), {Weight::Regular, kMenuFontSize, palette::kEntryText, 0}, engaged ? "95.5" : "120.0",
                      tempo.centreX(), tempo.centreY());
}

}  // namespace

Surface composeWindow(const BitmapSet& bitmaps, const Fonts& fonts, bool engaged) {
    Surface window = makeSurface(CAIRO_FORMAT_RGB24, kWindow.width(), kWindow.height());
    show(window.get(), bitmaps, 127, kWindow, 0, false);
    for (const Shown& control : kShown)
        show(window.get(), bitmaps, control.id, control.rect, engaged ? control.engagedImage : control.restImage,
             control.transparent);
    show(window.get(), bitmaps, engaged ? 172 : 171, kLengthOpMenu, 0, false);
    show(window.get(), bitmaps, engaged ? 141 : 140, kOffsetOpMenu, 0, false);
    show(window.get(), bitmaps, engaged ? 141 : 140, kMidiMenu, 0, false);
    blit(window.get(), bitmapOf(bitmaps, 147), kPitchPhaseButton, 0, engaged ? 8 : 0, std::nullopt);
    showTouchKnob(window.get(), bitmaps, 128, kLengthKnob, engaged ? 0.75 : 0.3, engaged);
    showTouchKnob(window.get(), bitmaps, 129, kOffsetKnob, engaged ? 0.2 : 0.5, engaged);
    showSlider(window.get(), bitmaps, kRepeatsSlider, engaged ? 0.5 : 0.0, false);
    showSlider(window.get(), bitmaps, kMixSlider, engaged ? 0.8 : 0.5, engaged);
    showScope(window.get(), bitmaps, fonts, engaged);
    writeTexts(window.get(), fonts, engaged);
    if (engaged) show(window.get(), bitmaps, 138, kCredits, 0, false);
    return window;
}

}  // namespace artwork
