// The window as it opens: its controls in creation order with their tags and
// first values, the menus' first entries, each control's picture drawn inside its
// own rectangle from its own bitmap, and the credits shown over the title.
#include "tests/editor/HeadlessEditor.h"

#include <vector>

#include "widgets/Control.h"
#include "widgets/HandleSlider.h"
#include "widgets/SplashView.h"
#include "widgets/ToggleButton.h"

namespace {

TEST(EditorLayout, OpensWithTheControlsInCreationOrderAtThePluginsValues) {
    TestHost host;
    HeadlessEditor plugin(host);
    plugin.set(kGate, 0.75f);
    plugin.set(kOffset, 0.25f);
    plugin.set(kRepeats, 0.6f);
    plugin.set(kRecSync, 0.3f);
    ASSERT_TRUE(plugin.open());
    EditorFrame& frame = plugin.frame();
    const EditorControls& controls = plugin.controls();
    // 50 controls; the four filter sub-menus live in the filter menu.
    ASSERT_EQ(frame.getNbViews(), 46);
    const int tags[] = {kRecord, kRewind, kClear, kRelease, kTagScope, kTouchRec, kBpmSync,
                        kRecSync, kCmdTempoLength, kBpmLock, kLength, kCmdLengthOp, kLengthQuant,
                        kRepeatLock, kRepeats, kMix, kOffset, kOffsetJmpBack, kOffsetJmpFfw,
                        kCmdOffsetOp, kRecOffset, kCmdMidiAction, kGate, kShuffle, kBlend, kPitch,
                        kPitchHold, kPitchRel, kPitchMode, kPitchPhase, kFilterFreq, kFilterGain,
                        kFilterQ, kFilterSpeed, kTagFilterMenu, kModulatorMode, kModulatorSpeed,
                        kModulatorAmp, kDivisionNum, kDivisionDenom, kDirection, kTagCredits};
    for (int i = 0; i < static_cast<int>(std::size(tags)); ++i) {
        auto* control = dynamic_cast<Control*>(frame.getView(i));
        ASSERT_NE(control, nullptr) << i;
        EXPECT_EQ(control->getTag(), tags[i]) << i;
    }
    EXPECT_EQ(frame.getView(15), static_cast<View*>(controls.mixSlider));
    EXPECT_EQ(frame.getView(45), static_cast<View*>(controls.offsetUnitsButton));

    EXPECT_FLOAT_EQ(controls.gateKnob->getValue(), plugin.p(kGate));
    EXPECT_FLOAT_EQ(controls.offsetKnob->getValue(), plugin.p(kOffset));
    EXPECT_FLOAT_EQ(controls.offsetKnob->getDefaultValue(), 0.5f);
    // The Repeats slider and the menus start at 0 whatever the plug-in holds.
    EXPECT_FLOAT_EQ(controls.repeatsSlider->getValue(), 0.0f);
    EXPECT_EQ(controls.recSyncMenu->getCurrentIndex(), 0);
    ASSERT_EQ(controls.recSyncMenu->getNbEntries(), 10);
    EXPECT_STREQ(controls.recSyncMenu->getEntry(0), "Rec Sync");  // the menu's title
    // The filter menu holds the four sub-menus.
    ASSERT_EQ(controls.filterMenu->getNbEntries(), 4);
    EXPECT_EQ(controls.filterMenu->getSubMenu(0), controls.filterTypeMenu);
    EXPECT_EQ(controls.filterMenu->getSubMenu(3), controls.filterSpeedRestartMenu);
}

using EditorPicture = OpenEditor;

TEST_F(EditorPicture, ControlsDrawTheirOwnBitmapsInsideTheirRectangles) {
    plugin.set(kRecord, 0.0f);
    plugin.idle();
    const auto shows = [&](Point onPanel, int bitmap, Point inBitmap) {
        EXPECT_EQ(pictureColorAt(plugin.frame(), onPanel), bitmapColorAt(bitmap, inBitmap))
            << onPanel.h << "," << onPanel.v << " from bitmap " << bitmap;
    };
    shows({120, 150}, 127, {120, 150});          // the panel, in the grille where no control lies
    shows({361 + 12, 142 + 12}, 160, {12, 12});  // Record, idle image
    shows({361 + 3, 168 + 20}, 161, {3, 20});    // Rewind, up image
    shows({291 + 50, 247 + 3}, 163, {50, 3});    // scope frame, whole view
    shows({3 + 70, 335 + 2}, 179, {70, 2});      // Rec Sync menu
    shows({361 + 5, 220 + 5}, 162, {5, 5});      // Release
    shows({305 + 45, 370 + 2}, 169, {45, 2});    // filter menu
    shows({99 + 80, 365 + 2}, 176, {80, 2});     // modulator menu
    plugin.click({373, 154});  // pressing Record draws its on image in the same place
    shows({361 + 12, 142 + 12}, 160, {12, 24 + 12});
    // A picture of the panel for a person to look at, beside the test.
    EXPECT_TRUE(savePicture(plugin.frame(), ZARVOLINE_PICTURE_DIR "/editor-layout.png"));
}

TEST_F(EditorPicture, ClickingTheTitleShowsTheCreditsUntilTheNextClick) {
    plugin.set(kRecord, 0.0f);
    plugin.idle();
    EditorFrame& frame = plugin.frame();
    // The splash covers the title from (-2, 1): its picture's pixel for a panel point.
    const Point points[] = {{20, 10}, {150, 26}, {300, 45}};
    const auto creditsAt = [](Point p) { return bitmapColorAt(138, {p.h + 2, p.v - 1}); };
    std::vector<Color> panel;
    for (Point p : points) panel.push_back(pictureColorAt(frame, p));
    plugin.click({150, 26});
    EXPECT_EQ(frame.getModalView(), static_cast<View*>(plugin.controls().creditsSplash));
    for (Point p : points) EXPECT_EQ(pictureColorAt(frame, p), creditsAt(p)) << p.h << "," << p.v;
    plugin.click({373, 154});  // while it shows, no other control takes a press
    EXPECT_FLOAT_EQ(plugin.p(kRecord), 0.0f);
    plugin.click({150, 26});
    EXPECT_EQ(frame.getModalView(), nullptr);
    for (size_t i = 0; i < std::size(points); ++i) EXPECT_EQ(pictureColorAt(frame, points[i]), panel[i]) << i;
}

}  // namespace
