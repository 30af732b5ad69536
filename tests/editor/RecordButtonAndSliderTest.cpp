// The Record switch with its pending overlay, and the Mix slider with its
// touch-mode handle.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/RecordButton.h"
#include "editor/TouchSlider.h"
#include "tests/editor/FilledBitmap.h"
#include "tests/widgets/KitHarness.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

TEST(RecordButtonTest, ShowsOneOfFourImagesForValueAndPending) {
    KitHarness kit;
    Bitmap* images = makeStrip(25, 24, 4);
    auto* button = kit.add(new RecordButton({20, 20, 45, 44}, &kit.listener, 4, images));
    images->forget();
    // Value and pending choose the image: off, on, pending off, pending on.
    for (auto [value, pending, image] : {std::tuple{1.0f, 0.0f, 1}, {1.0f, 1.0f, 3}, {0.0f, 1.0f, 2}, {0.0f, 0.0f, 0}}) {
        button->setValue(value);
        button->setPending(pending);
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), {30, 30}), colourOfImage(image)) << image;
    }
    kit.click({30, 30});
    EXPECT_FLOAT_EQ(button->getValue(), 1.0f);
    kit.click({30, 30}, kRButton);  // reported for learning, unchanged
    EXPECT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_FLOAT_EQ(button->getValue(), 1.0f);
}

TEST(TouchSliderTest, HandleFollowsThePointerShiftZoomsAndTouchModeDrawsTheOtherHandle) {
    const Color kTrack{40, 40, 40, 255};
    const Color kHandle{200, 200, 0, 255};
    const Color kTouchHandle{0, 200, 90, 255};
    KitHarness kit;
    // A 100-pixel track; the 10-pixel handle's left edge runs from 110 to 190.
    auto* slider = kit.add(new TouchSlider({100, 200, 200, 212}, &kit.listener, 9, 110, 190,
                                           FilledBitmap(10, 10, kHandle), FilledBitmap(10, 10, kTouchHandle),
                                           FilledBitmap(100, 12, kTrack)));
    slider->setDrawTransparentHandle(false);
    slider->setOffsetHandle({0, 1});
    kit.press({110 + 4 + 40, 205});  // the handle's centre to the middle
    EXPECT_NEAR(slider->getValue(), 0.5f, 1e-5);
    kit.move({110 + 4 + 60, 205}, kLButton | kShift);  // 20 pixels, ten times slower
    EXPECT_NEAR(slider->getValue(), 0.525f, 1e-5);
    kit.release({110 + 4 + 60, 205});
    EXPECT_EQ(kit.edits, (std::vector<EditCall>{kBeginEdit, kEndEdit}));
    kit.listener.reports.clear();
    kit.frame().onWheel({150, 205}, 1.0f, 0);
    EXPECT_NEAR(slider->getValue(), 0.625f, 1e-5);
    EXPECT_EQ(kit.listener.reports.size(), 1u);

    slider->setValue(0.5f);
    for (int mode : {1, 0}) {
        slider->setTouchMode(mode);
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), {155, 205}), mode ? kTouchHandle : kHandle);
        EXPECT_EQ(pictureColorAt(kit.frame(), {130, 205}), kTrack);
        EXPECT_EQ(pictureColorAt(kit.frame(), {155, 200}), kTrack);  // handle one pixel down
    }
}

}  // namespace
