// The panel and the parts drawn over it fit together: no legend is hidden
// under a control, every control that needs a caption has one beside it, and
// the parts that carry a piece of the panel carry exactly that piece.
#include "resources/artwork/ArtContext.h"
#include "resources/artwork/BitmapCatalogue.h"
#include "resources/artwork/BitmapRenderer.h"
#include "resources/artwork/PanelLayout.h"
#include "tests/resources/BitmapFiles.h"

#include <gtest/gtest.h>

#include <utility>

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

// Drawn opaquely, these parts carry the panel under them: the caption keys'
// first image, and the Offset knob's corners, are what the panel itself
// shows there, pixel for pixel.
TEST(PanelPieces, CaptionKeysAtRestAndTheOffsetKnobCornersAreThePanel) {
    Surface panel = loadCommitted(127);
    ASSERT_NE(panel, nullptr);
    // Pixels of `area` of bitmap `id` unlike the panel where the bitmap is placed at `place`.
    const auto differences = [&](int id, Rect place, Rect area) {
        Surface piece = loadCommitted(id);
        return piece ? countDifferentPixels(piece.get(), area.left, area.top, panel.get(), place.left + area.left,
                                            place.top + area.top, area.width(), area.height(), 0)
                     : -1;
    };
    for (auto [id, place] : {std::pair{166, kDivisionModeButton}, std::pair{168, kRepeatLockButton}})
        EXPECT_EQ(differences(id, place, {0, 0, place.width(), place.height()}), 0) << id;
    constexpr int kCorner = 8;
    for (int x : {0, kOffsetKnob.width() - kCorner})
        for (int y : {0, kOffsetKnob.height() - kCorner})
            EXPECT_EQ(differences(129, kOffsetKnob, {x, y, x + kCorner, y + kCorner}), 0)
                << "Offset knob corner at " << x << "," << y;
}

}  // namespace
}  // namespace artwork::testing
