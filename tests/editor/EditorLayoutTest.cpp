// The window as it opens: its controls in creation order with their tags and
// first values, the menus' entries, each control's picture drawn inside its
// own rectangle from its own bitmap, and the credits shown over the title.
#include <gtest/gtest.h>

#include <cairo.h>

#include <vector>

#include "editor/LoopScope.h"
#include "editor/RecordButton.h"
#include "editor/StutterEditor.h"
#include "editor/TouchKnob.h"
#include "editor/TouchSlider.h"
#include "params/ParameterIds.h"
#include "plugin/StutterEffectEdit.h"
#include "tests/host/TestHost.h"
#include "widgets/Control.h"
#include "widgets/EditorFrame.h"
#include "widgets/MouseButtons.h"
#include "widgets/OptionMenu.h"
#include "widgets/SplashView.h"
#include "widgets/StripKnob.h"
#include "widgets/ToggleButton.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

AEffect* createHere(audioMasterCallback audioMaster) {
    return (new StutterEffectEdit(audioMaster))->getAeffect();
}

struct EditorLayoutTest : ::testing::Test {
    TestHost host;
    AEffect* effect = host.instantiate(createHere);
    StutterEditor* editor = nullptr;

    void SetUp() override {
        auto* plugin = static_cast<StutterEffectEdit*>(effect->object);
        editor = static_cast<StutterEditor*>(plugin->getEditor());
        editor->setWindowFactory(createHeadlessWindow);
    }
    void TearDown() override { effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f); }
    void open() {
        ASSERT_EQ(effect->dispatcher(effect, effEditOpen, 0, 0, this, 0.0f), 1);
        effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f);
    }
    EditorFrame& frame() { return *editor->getFrame(); }
    const EditorControls& controls() { return editor->getControls(); }
};

// A pixel of a bitmap as the library holds it.
Color bitmapColorAt(int resourceId, Point where) {
    auto* bitmap = new Bitmap(resourceId);
    cairo_surface_t* image = bitmap->surface();
    cairo_surface_flush(image);
    const auto* row = cairo_image_surface_get_data(image) + where.v * cairo_image_surface_get_stride(image);
    const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[where.h];
    bitmap->forget();
    return Color{static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                 static_cast<uint8_t>(pixel), 255};
}

TEST_F(EditorLayoutTest, FrameHoldsTheControlsInCreationOrderWithTheirTags) {
    open();
    // 50 controls; the four filter sub-menus live in the filter menu.
    ASSERT_EQ(frame().getNbViews(), 46);
    const int tags[] = {kRecord, kRewind, kClear, kRelease, kTagScope, kTouchRec, kBpmSync,
                        kRecSync, kCmdTempoLength, kBpmLock, kLength, kCmdLengthOp, kLengthQuant,
                        kRepeatLock, kRepeats, kMix, kOffset, kOffsetJmpBack, kOffsetJmpFfw,
                        kCmdOffsetOp, kRecOffset, kCmdMidiAction, kGate, kShuffle, kBlend, kPitch,
                        kPitchHold, kPitchRel, kPitchMode, kPitchPhase, kFilterFreq, kFilterGain,
                        kFilterQ, kFilterSpeed, kTagFilterMenu, kModulatorMode, kModulatorSpeed,
                        kModulatorAmp, kDivisionNum, kDivisionDenom, kDirection, kTagCredits};
    for (int i = 0; i < static_cast<int>(std::size(tags)); ++i) {
        auto* control = dynamic_cast<Control*>(frame().getView(i));
        ASSERT_NE(control, nullptr) << i;
        EXPECT_EQ(control->getTag(), tags[i]) << i;
    }
    EXPECT_EQ(frame().getView(15), static_cast<View*>(controls().mixSlider));
    EXPECT_EQ(frame().getView(45), static_cast<View*>(controls().offsetUnitsButton));
}

TEST_F(EditorLayoutTest, MenusOpenAtTheirFirstEntryAndTheFilterMenuHoldsFourSubMenus) {
    effect->setParameter(effect, kRecSync, 0.3f);
    open();
    EXPECT_EQ(controls().recSyncMenu->getCurrentIndex(), 0);
    EXPECT_STREQ(controls().recSyncMenu->getEntry(0), "Rec Sync");
    EXPECT_STREQ(controls().recOffsetMenu->getEntry(0), "Rec Offset");
    EXPECT_STREQ(controls().lengthQuantMenu->getEntry(0), "Free");
    OptionMenu* filter = controls().filterMenu;
    ASSERT_EQ(filter->getNbEntries(), 4);
    EXPECT_STREQ(filter->getEntry(0), "LFO Type");
    EXPECT_EQ(filter->getSubMenu(0), controls().filterTypeMenu);
    EXPECT_STREQ(filter->getEntry(3), "SPD Restart");
    EXPECT_EQ(filter->getSubMenu(3), controls().filterSpeedRestartMenu);
    EXPECT_STREQ(controls().filterTypeMenu->getEntry(1), "LPF");
}

TEST_F(EditorLayoutTest, ControlsOpenAtThePluginsValues) {
    effect->setParameter(effect, kGate, 0.75f);
    effect->setParameter(effect, kOffset, 0.25f);
    effect->setParameter(effect, kRepeats, 0.6f);
    open();
    EXPECT_FLOAT_EQ(controls().gateKnob->getValue(), effect->getParameter(effect, kGate));
    EXPECT_FLOAT_EQ(controls().offsetKnob->getValue(),
                    effect->getParameter(effect, kOffset));
    EXPECT_FLOAT_EQ(controls().offsetKnob->getDefaultValue(), 0.5f);
    // The Repeats slider starts at 0 whatever the plug-in holds.
    EXPECT_FLOAT_EQ(controls().repeatsSlider->getValue(), 0.0f);
}

TEST_F(EditorLayoutTest, ControlsDrawTheirOwnBitmapsInsideTheirRectangles) {
    effect->setParameter(effect, kRecord, 0.0f);
    open();
    const auto shows = [&](Point onPanel, int bitmap, Point inBitmap) {
        EXPECT_EQ(pictureColorAt(frame(), onPanel), bitmapColorAt(bitmap, inBitmap))
            << onPanel.h << "," << onPanel.v << " from bitmap " << bitmap;
    };
    shows({361 + 12, 142 + 12}, 160, {12, 12});        // Record, idle image
    shows({361 + 3, 168 + 20}, 161, {3, 20});          // Rewind, up image
    shows({291 + 50, 247 + 3}, 163, {50, 3});          // scope frame, whole view
    shows({3 + 70, 335 + 2}, 179, {70, 2});            // Rec Sync menu
    shows({361 + 5, 220 + 5}, 162, {5, 5});            // Release
    shows({305 + 45, 370 + 2}, 169, {45, 2});          // filter menu
    shows({99 + 80, 365 + 2}, 176, {80, 2});           // modulator menu
    // Pressing Record draws its on image in the same place.
    frame().onMouseDown({373, 154}, 1);
    frame().onMouseUp({373, 154}, 0);
    effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f);
    shows({361 + 12, 142 + 12}, 160, {12, 24 + 12});
    EXPECT_TRUE(savePicture(frame(), ZARVOLINE_PICTURE_DIR "/editor-layout.png"));
}

TEST_F(EditorLayoutTest, ClickingTheTitleShowsTheCreditsUntilTheNextClick) {
    effect->setParameter(effect, kRecord, 0.0f);
    open();
    const auto click = [&](Point where) {
        frame().onMouseDown(where, kLButton);
        frame().onMouseUp(where, 0);
        effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f);
    };
    // The splash covers the title from (-2, 1): its picture's pixel for a panel point.
    const Point points[] = {{20, 10}, {150, 26}, {300, 45}};
    const auto creditsAt = [](Point p) { return bitmapColorAt(138, {p.h + 2, p.v - 1}); };
    std::vector<Color> panel;
    for (Point p : points) panel.push_back(pictureColorAt(frame(), p));
    click({150, 26});
    EXPECT_EQ(frame().getModalView(), static_cast<View*>(controls().creditsSplash));
    for (Point p : points) EXPECT_EQ(pictureColorAt(frame(), p), creditsAt(p)) << p.h << "," << p.v;
    click({373, 154});  // while it shows, no other control takes a press
    EXPECT_FLOAT_EQ(effect->getParameter(effect, kRecord), 0.0f);
    click({150, 26});
    EXPECT_EQ(frame().getModalView(), nullptr);
    for (size_t i = 0; i < std::size(points); ++i)
        EXPECT_EQ(pictureColorAt(frame(), points[i]), panel[i]) << i;
}

}  // namespace
