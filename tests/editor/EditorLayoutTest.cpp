// The window as it opens: the controls at the plug-in's values, each control's
// picture drawn from its own bitmap, and the credits shown over the title.
#include "tests/editor/HeadlessEditor.h"

#include <vector>

#include "widgets/HandleSlider.h"
#include "widgets/SplashView.h"

namespace {

TEST(EditorLayout, OpensWithTheControlsAtThePluginsValues) {
    TestHost host;
    HeadlessEditor plugin(host);
    plugin.set(kGate, 0.75f);
    plugin.set(kRepeats, 0.6f);
    plugin.set(kRecSync, 0.3f);
    ASSERT_TRUE(plugin.open());
    const EditorControls& controls = plugin.controls();
    EXPECT_FLOAT_EQ(controls.gateKnob->getValue(), 0.75f);
    EXPECT_FLOAT_EQ(controls.offsetKnob->getDefaultValue(), 0.5f);
    // The Repeats slider and the menus start at 0 whatever the plug-in holds.
    EXPECT_FLOAT_EQ(controls.repeatsSlider->getValue(), 0.0f);
    EXPECT_EQ(controls.recSyncMenu->getCurrentIndex(), 0);
    EXPECT_STREQ(controls.recSyncMenu->getEntry(0), "Rec Sync");  // the menu's title
    EXPECT_EQ(controls.filterMenu->getSubMenu(0), controls.filterTypeMenu);
}

using EditorPicture = OpenEditor;

TEST_F(EditorPicture, ControlsDrawTheirOwnBitmapsAndTheTitleShowsTheCreditsUntilTheNextClick) {
    plugin.set(kRecord, 0.0f);
    plugin.idle();
    EditorFrame& frame = plugin.frame();
    const auto shows = [&](Point onPanel, int bitmap, Point inBitmap) {
        EXPECT_EQ(pictureColorAt(frame, onPanel), bitmapColorAt(bitmap, inBitmap)) << onPanel.h << "," << onPanel.v;
    };
    shows({120, 150}, 127, {120, 150});          // the panel, where no control lies
    shows({361 + 12, 142 + 12}, 160, {12, 12});  // Record, idle image
    shows({3 + 70, 335 + 2}, 179, {70, 2});      // Rec Sync menu
    EXPECT_TRUE(savePicture(frame, ZARVOLINE_PICTURE_DIR "/editor-layout.png"));  // for a person to look at

    // The splash covers the title from (-2, 1): its picture's pixel for a panel point.
    const Point points[] = {{20, 10}, {150, 26}, {300, 45}};
    std::vector<Color> panel;
    for (Point p : points) panel.push_back(pictureColorAt(frame, p));
    plugin.click({150, 26});
    EXPECT_EQ(frame.getModalView(), static_cast<View*>(plugin.controls().creditsSplash));
    for (Point p : points) shows(p, 138, {p.h + 2, p.v - 1});
    plugin.click({373, 154});  // while it shows, no other control takes a press
    EXPECT_FLOAT_EQ(plugin.p(kRecord), 0.0f);
    plugin.click({150, 26});
    EXPECT_EQ(frame.getModalView(), nullptr);
    for (size_t i = 0; i < std::size(points); ++i) EXPECT_EQ(pictureColorAt(frame, points[i]), panel[i]) << i;
    plugin.click({373, 154});  // pressing Record draws its on image in the same place
    shows({361 + 12, 142 + 12}, 160, {12, 24 + 12});
}

}  // namespace
