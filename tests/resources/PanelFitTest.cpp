// The panel and the parts drawn over it fit together: no legend is hidden
// under a control, every control that needs a caption has one beside it, and
// the parts that carry a piece of the panel carry exactly that piece.
#include "resources/artwork/ArtContext.h"
#include "resources/artwork/BitmapCatalogue.h"
#include "resources/artwork/BitmapRenderer.h"
#include "resources/artwork/PanelLayout.h"
#include "tests/resources/BitmapFiles.h"

#include <gtest/gtest.h>

namespace artwork::testing {
namespace {

using namespace layout;

// Legend ink: pixels where the lettered panel clearly differs from the bare one.
constexpr int kInkDifference = 30;

class PanelFit : public ::testing::Test {
protected:
    ArtContext context;
    Surface panel = renderBitmap(*findBitmap(127), context);

    int inkIn(Rect area) {
        return countDifferentPixels(panel.get(), area.left, area.top, context.panelBase(), area.left, area.top,
                                    area.width(), area.height(), kInkDifference);
    }
};

// Controls the window draws over the panel; the Division series and the
// REPEATS caption are keys that carry their own legend, so they are left out.
constexpr Rect kVisibleControls[] = {
    kRecordButton, kRewindButton, kClearButton, kReleaseButton, kLoopScopePicture, kTouchRecButton,
    kRecSyncMenu, kTempoEntry, kBpmLockButton, kLengthKnob, kLengthOpMenu, kLengthQuantMenu, kRepeatsSlider,
    kMixSlider, kOffsetKnob, kOffsetJmpBackButton, kOffsetJmpFfwButton, kOffsetOpMenu, kRecOffsetMenu, kMidiMenu,
    kGateKnob, kShuffleKnob, kBlendKnob, kPitchKnob, kPitchHoldKnob, kPitchRelKnob, kPitchModeMenu,
    kPitchPhaseButton, kFilterFreqKnob, kFilterGainKnob, kFilterQKnob, kFilterSpeedKnob, kFilterMenu,
    kModulatorModeMenu, kModulatorSpeedKnob, kModulatorAmpKnob, kDivisionSwitch, kDirectionSwitch,
    kLengthDisplay, kOffsetDisplay,
};

TEST_F(PanelFit, NoLegendIsHiddenUnderAControl) {
    for (const Rect& control : kVisibleControls)
        EXPECT_EQ(inkIn(control), 0) << "control at " << control.left << "," << control.top;
}

// A strip beside or above each control that the panel names.
TEST_F(PanelFit, ControlsHaveTheirCaptions) {
    struct Captioned {
        const char* caption;
        Rect area;
    };
    const auto rightOf = [](Rect r) { return Rect{r.right + 2, r.top, r.right + 30, r.bottom}; };
    const auto above = [](Rect r) { return Rect{r.left, r.top - 10, r.right, r.top - 1}; };
    const Captioned captioned[] = {
        {"LENGTH", {kLengthKnob.left, kLengthKnob.top - 24, kLengthKnob.right, kLengthKnob.top - 12}},
        {"QUANT", rightOf(kLengthQuantMenu)},   {"SHUFFLE", rightOf(kShuffleKnob)},
        {"GATE", rightOf(kGateKnob)},           {"WET / DRY", above(kMixSlider)},
        {"TOUCH REC", rightOf(kTouchRecButton)}, {"MIDI", rightOf(kMidiMenu)},
        {"BLEND", rightOf(kBlendKnob)},          {"OFFSET", above(kOffsetDisplay)},
        {"REPEATS scale", above(kRepeatsSlider)}, {"DIVISION", above(kDivisionModeButton)},
        {"DIR", above(kDirectionSwitch)},        {"JUMP", above(kOffsetJmpBackButton.unionWith(kOffsetJmpFfwButton))},
        {"TEMPO", {kBpmSyncArea.left, kBpmSyncArea.top, kTempoEntry.left - 1, kBpmSyncArea.bottom}},
        {"AMP", above(kModulatorAmpKnob)},       {"SPEED", above(kModulatorSpeedKnob)},
        {"SEMI", above(kPitchKnob)},             {"HOLD", above(kPitchHoldKnob)},
        {"REL", above(kPitchRelKnob)},           {"FREQ", above(kFilterFreqKnob)},
        {"GAIN", above(kFilterGainKnob)},        {"Q", above(kFilterQKnob)},
        {"SPEED", above(kFilterSpeedKnob)},
    };
    for (const Captioned& c : captioned) EXPECT_GE(inkIn(c.area), 10) << c.caption;
}

// Drawn opaquely, these parts carry the panel under them: their first image
// is what the panel itself shows there, pixel for pixel.
TEST(PanelPieces, CaptionKeysMatchThePanelAtRest) {
    Surface panel = loadCommitted(127);
    ASSERT_NE(panel, nullptr);
    for (auto [id, place] : {std::pair{166, kDivisionModeButton}, std::pair{168, kRepeatLockButton}}) {
        Surface key = loadCommitted(id);
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(countDifferentPixels(key.get(), 0, 0, panel.get(), place.left, place.top, place.width(),
                                       place.height(), 0),
                  0)
            << "bitmap " << id;
    }
}

TEST(PanelPieces, OffsetKnobCornersAreThePanel) {
    Surface panel = loadCommitted(127);
    Surface knob = loadCommitted(129);
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(knob, nullptr);
    constexpr int kCorner = 8;
    const Rect place = kOffsetKnob;
    for (int x : {0, place.width() - kCorner})
        for (int y : {0, place.height() - kCorner})
            EXPECT_EQ(countDifferentPixels(knob.get(), x, y, panel.get(), place.left + x, place.top + y, kCorner,
                                           kCorner, 0),
                      0)
                << "corner at " << x << "," << y;
}

}  // namespace
}  // namespace artwork::testing
