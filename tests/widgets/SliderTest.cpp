// The handle slider beyond what the editor's Mix slider tests show: leaving
// Shift mid-drag, the clamp, keys and the default.
#include <gtest/gtest.h>

#include "tests/widgets/KitHarness.h"
#include "widgets/HandleSlider.h"
#include "widgets/VirtualKeys.h"

namespace {

TEST(HandleSlider, ShiftLetGoJumpsBackUnderThePointerAndKeysAndControlClickSetIt) {
    KitHarness kit;
    Bitmap* handle = makeStrip(9, 16, 1);
    Bitmap* track = makeStrip(77, 17, 1);
    auto* slider = kit.add(new HandleSlider({273, 168, 350, 185}, &kit.listener, 16, 273, 341, handle, track));
    handle->forget();
    track->forget();

    // The grab point is the handle's centre: left + 9 / 2 - 1 = 276.
    kit.press({276 + 34, 175});
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    kit.move({276 + 34, 175}, kLButton | kShift);
    kit.move({276 + 68, 175}, kLButton | kShift);  // half the range, slowed ten times
    EXPECT_NEAR(slider->getValue(), 0.55f, 1e-5);
    kit.move({276 + 17, 175});  // without Shift the handle is under the pointer again
    EXPECT_FLOAT_EQ(slider->getValue(), 0.25f);
    kit.move({500, 175});
    EXPECT_FLOAT_EQ(slider->getValue(), 1.0f);
    const size_t reports = kit.listener.reports.size();
    kit.release({500, 175});
    EXPECT_EQ(kit.listener.reports.size(), reports);  // nothing more when let go

    kit.click({300, 175}, kLButton | kControl);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_TRUE(kit.key(kVKeyDown, 0, kModifierShift));
    EXPECT_NEAR(slider->getValue(), 0.49f, 1e-6);
}

}  // namespace
