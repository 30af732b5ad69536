// The panel and the parts drawn over it fit together: no legend is hidden
// under a control, and the parts that carry a piece of the panel carry
// exactly that piece.
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

// Legend ink under a control: pixels where the lettered panel clearly
// differs from the bare one.
TEST(PanelFit, NoLegendIsHiddenUnderAControl) {
    const ArtContext context;
    Surface panel = renderBitmap(*findBitmap(127), context);
    for (const Rect& c : kVisibleControls)
        EXPECT_EQ(countDifferentPixels(panel.get(), c.left, c.top, context.panelBase(), c.left, c.top, c.width(),
                                       c.height(), 30),
                  0)
            << "control at " << c.left << "," << c.top;
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
