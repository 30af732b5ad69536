// The handle slider: its handle follows the pointer, Shift slows it down.
#include <gtest/gtest.h>

#include "tests/widgets/KitHarness.h"
#include "widgets/HandleSlider.h"
#include "widgets/VirtualKeys.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr Color kTrack{10, 20, 30, 255};
constexpr Color kHandle{200, 100, 50, 255};

Bitmap* plain(int width, int height, Color colour) {
    auto* bitmap = new Bitmap(width, height);
    DrawContext context(bitmap->surface(), nullptr);
    context.setFillColor(colour);
    context.fillRect({0, 0, width, height});
    bitmap->changed();
    return bitmap;
}

struct SliderTest : ::testing::Test {
    KitHarness kit;
    HandleSlider* slider = nullptr;
    void SetUp() override {
        Bitmap* handle = plain(9, 16, kHandle);
        Bitmap* track = plain(77, 17, kTrack);
        slider = kit.add(new HandleSlider({273, 168, 350, 185}, &kit.listener, 16, 273, 341, handle, track));
        handle->forget();
        track->forget();
        slider->setOffsetHandle({0, 1});
        slider->setDrawTransparentHandle(false);
        kit.idle();
    }
};

TEST_F(SliderTest, TheHandleCentreFollowsThePointer) {
    // The grab point is the handle's centre: left + 9 / 2 - 1 = 276.
    kit.press({276 + 34, 175});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    kit.move({276 + 17, 175});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.25f);
    kit.move({500, 175});
    EXPECT_FLOAT_EQ(slider->getValue(), 1.0f);
    kit.release({500, 175});
    EXPECT_EQ(kit.listener.reports.size(), 3u);  // no report after release
    EXPECT_EQ(kit.editOpcodes(), (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterEndEdit}));
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {273 + 68 + 4, 176}), kHandle);
    EXPECT_EQ(pictureColorAt(kit.frame(), {280, 176}), kTrack);
}

TEST_F(SliderTest, ShiftDividesTheMovementByTheZoomFactor) {
    kit.press({276 + 34, 175});
    kit.move({276 + 34, 175}, kLButton | kShift);
    kit.move({276 + 34 + 34, 175}, kLButton | kShift);  // half the range, slowed ten times
    EXPECT_NEAR(slider->getValue(), 0.55f, 1e-5);
    kit.move({276 + 34 + 34, 175}, kLButton);  // without Shift it jumps back under the pointer
    EXPECT_FLOAT_EQ(slider->getValue(), 1.0f);
    kit.release({276 + 68, 175});
}

TEST_F(SliderTest, WheelKeysAndTheDefault) {
    kit.frame().onWheel({300, 175}, 3.0f, 0);
    EXPECT_NEAR(slider->getValue(), 0.3f, 1e-6);
    kit.click({300, 175}, kLButton | kControl);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_TRUE(kit.key(kVKeyDown, 0, kModifierShift));
    EXPECT_NEAR(slider->getValue(), 0.49f, 1e-6);
    EXPECT_EQ(kit.listener.reports.size(), 3u);
}

}  // namespace
