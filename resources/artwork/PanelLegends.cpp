// The printed legends of the panel, each placed from the rectangle of the
// control it names.
#include "resources/artwork/CaptionArt.h"
#include "resources/artwork/Emblem.h"
#include "resources/artwork/Icons.h"
#include "resources/artwork/LegendStyles.h"
#include "resources/artwork/Painter.h"
#include "resources/artwork/PanelArt.h"
#include "resources/artwork/PanelLayout.h"

#include <cmath>
#include <string>

namespace artwork {
namespace {

using namespace layout;

constexpr double kCaptionGap = 4.0;      // from a control to the caption beside it
constexpr double kHeaderRuleGap = 4.0;   // from a header to its rules
constexpr double kSectionHeaderY = 318;  // the three sound sections share one header line
constexpr Colour kRule = palette::kDark.lighter(0.08);

// A section header: spaced capitals between two thin rules that span the
// section from `left` to `right`.
void drawHeaderAt(cairo_t* cr, const Fonts& fonts, const char* text, double left, double cx, double right,
                  double cy) {
    const TextStyle& style = legend::kHeader;
    const double textWidth = fonts.width(cr, style, text);
    fonts.drawCentred(cr, style, text, cx, cy);
    const double ruleY = std::round(cy) - 0.5;
    const double textLeft = cx - textWidth * 0.5 - kHeaderRuleGap;
    const double textRight = cx + textWidth * 0.5 + kHeaderRuleGap;
    if (textLeft > left) fillBox(cr, {left, ruleY, textLeft - left, 1}, kRule);
    if (right > textRight) fillBox(cr, {textRight, ruleY, right - textRight, 1}, kRule);
}

void drawHeader(cairo_t* cr, const Fonts& fonts, const char* text, double left, double right, double cy) {
    drawHeaderAt(cr, fonts, text, left, std::round((left + right) * 0.5), right, cy);
}

void drawCaptionRightOf(cairo_t* cr, const Fonts& fonts, const char* text, Rect control) {
    const TextStyle& style = legend::kCaption;
    fonts.draw(cr, style, text, control.right + kCaptionGap, Fonts::baselineCentredOn(style, control.centreY()),
               Align::Left);
}

void drawCaptionAbove(cairo_t* cr, const Fonts& fonts, const TextStyle& style, const char* text, Rect control,
                      double gap) {
    fonts.drawCentred(cr, style, text, control.centreX(), control.top - gap);
}

void drawTitle(cairo_t* cr, const Fonts& fonts) {
    fonts.draw(cr, legend::kTitle, "ZARVOLINE", 14, 33, Align::Left);
    fonts.draw(cr, legend::kTagline, "TEMPO-SYNCED BUFFER REPEAT", 15, 46, Align::Left);
    // The mark stands right of the credits plate, so it stays in view.
    drawStutterMark(cr, {kCredits.right + 14.0, 12, 74, 30}, palette::kText, palette::kDark.lighter(0.3));
}

void drawLoopLegends(cairo_t* cr, const Fonts& fonts) {
    drawHeader(cr, fonts, "LOOP", kBpmSyncArea.left, kWindow.right - 4, 64);
    fonts.drawCentred(cr, legend::kCaption, "TEMPO", (kBpmSyncArea.left + kTempoEntry.left - 2) * 0.5,
                      kTempoEntry.centreY());
    drawCaptionAbove(cr, fonts, legend::kCaption, "DIR", kDirectionSwitch, 6);
    // The three directions beside the positions of the Direction switch.
    const double zone = kDirectionSwitch.height() / 3.0;
    const double arrowX = kDirectionSwitch.right + 8;
    drawArrow(cr, arrowX, kDirectionSwitch.top + zone * 0.5, 9, false, true, palette::kText);
    drawArrow(cr, arrowX, kDirectionSwitch.top + zone * 1.5, 9, true, false, palette::kText);
    drawArrow(cr, arrowX, kDirectionSwitch.top + zone * 2.5, 9, true, true, palette::kText);
    fonts.drawCentred(cr, legend::kCaption, "DIVISION", kDivisionSwitch.centreX(), kDivisionModeButton.top - 5.5);
}

void drawRepeatsLegends(cairo_t* cr, const Fonts& fonts) {
    // Repeat counts over the places the slider's handle stops at for them.
    constexpr int kSteps = 16, kHandleWidth = 9, kHandleTravel = 68;
    const int marked[] = {0, 2, 4, 8, 16};
    for (int count : marked) {
        const double x = kRepeatsSlider.left + kHandleWidth * 0.5 + double(kHandleTravel) * count / kSteps;
        fonts.drawCentred(cr, legend::kNumeral, std::to_string(count), x, kRepeatsSlider.top - 6);
    }
}

void drawCaptionKeys(cairo_t* cr, const Fonts& fonts) {
    cairo_save(cr);
    cairo_translate(cr, kDivisionModeButton.left, kDivisionModeButton.top);
    drawDivisionSeries(cr, fonts, false);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, kRepeatLockButton.left, kRepeatLockButton.top);
    drawRepeatsCaption(cr, fonts, false);
    cairo_restore(cr);
}

void drawLengthAndOffsetLegends(cairo_t* cr, const Fonts& fonts) {
    // The Length header stands over the knob and runs on over its readout.
    drawHeaderAt(cr, fonts, "LENGTH", 6, kLengthKnob.centreX(), kLengthDisplay.right, 92);
    drawCaptionRightOf(cr, fonts, "QUANT", kLengthQuantMenu);
    fonts.drawCentred(cr, legend::kHeader, "OFFSET", (kOffsetOpMenu.left + kOffsetDisplay.right) * 0.5,
                      kOffsetDisplay.top - 8);
    // Offset swings both ways from its centre: minus and plus by the ends
    // of its scale, five pixels wide on whole pixels.
    const double signY = kOffsetKnob.bottom + 3;
    const double minusX = kOffsetKnob.left + 2, plusX = kOffsetKnob.right - 7;
    fillBox(cr, {minusX, signY, 5, 1}, palette::kText);
    fillBox(cr, {plusX, signY, 5, 1}, palette::kText);
    fillBox(cr, {plusX + 2, signY - 2, 1, 5}, palette::kText);
    drawCaptionAbove(cr, fonts, legend::kCaption, "JUMP",
                     kOffsetJmpBackButton.unionWith(kOffsetJmpFfwButton), 7);
}

void drawGrooveLegends(cairo_t* cr, const Fonts& fonts) {
    drawCaptionRightOf(cr, fonts, "SHUFFLE", kShuffleKnob);
    drawCaptionRightOf(cr, fonts, "GATE", kGateKnob);
    const double y = Fonts::baselineCentredOn(legend::kCaption, kMixSlider.top - 7);
    fonts.draw(cr, legend::kCaption, "WET", kMixSlider.left, y, Align::Left);
    fonts.draw(cr, legend::kCaption, "DRY", kMixSlider.right, y, Align::Right);
}

void drawMiscLegends(cairo_t* cr, const Fonts& fonts) {
    drawHeader(cr, fonts, "MISC", 4, 92, 287);
    drawCaptionRightOf(cr, fonts, "TOUCH REC", kTouchRecButton);
    drawCaptionRightOf(cr, fonts, "MIDI", kMidiMenu);
    drawCaptionRightOf(cr, fonts, "BLEND", kBlendKnob);
}

void drawSoundLegends(cairo_t* cr, const Fonts& fonts) {
    const TextStyle& small = legend::kSmallCaption;
    drawHeader(cr, fonts, "MODULATOR", kModulatorModeMenu.left, kModulatorModeMenu.right, kSectionHeaderY);
    drawCaptionAbove(cr, fonts, small, "AMP", kModulatorAmpKnob, 6);
    drawCaptionAbove(cr, fonts, small, "SPEED", kModulatorSpeedKnob, 6);
    drawHeader(cr, fonts, "PITCH", kPitchKnob.left, kPitchRelKnob.right, kSectionHeaderY);
    drawCaptionAbove(cr, fonts, small, "SEMI", kPitchKnob, 6);
    drawCaptionAbove(cr, fonts, small, "HOLD", kPitchHoldKnob, 6);
    drawCaptionAbove(cr, fonts, small, "REL", kPitchRelKnob, 6);
    drawHeader(cr, fonts, "FILTER", kFilterFreqKnob.left, kWindow.right - 4, kSectionHeaderY);
    drawCaptionAbove(cr, fonts, small, "FREQ", kFilterFreqKnob, 6);
    drawCaptionAbove(cr, fonts, small, "GAIN", kFilterGainKnob, 6);
    drawCaptionAbove(cr, fonts, small, "Q", kFilterQKnob, 6);
    drawCaptionAbove(cr, fonts, small, "SPEED", kFilterSpeedKnob.movedBy(-3, 0), 6);
}

}  // namespace

void drawPanelLegends(cairo_t* cr, const ArtContext& context) {
    const Fonts& fonts = context.fonts();
    drawTitle(cr, fonts);
    drawLoopLegends(cr, fonts);
    drawRepeatsLegends(cr, fonts);
    drawCaptionKeys(cr, fonts);
    drawLengthAndOffsetLegends(cr, fonts);
    drawGrooveLegends(cr, fonts);
    drawMiscLegends(cr, fonts);
    drawSoundLegends(cr, fonts);
}

void drawPanel(cairo_t* cr, const ArtContext& context) {
    cairo_set_source_surface(cr, context.panelBase(), 0, 0);
    cairo_paint(cr);
    drawPanelLegends(cr, context);
}

}  // namespace artwork
