// Switches chosen by zones, and the two kinds of button.
#include <gtest/gtest.h>

#include "tests/widgets/KitHarness.h"
#include "widgets/KickButton.h"
#include "widgets/Switches.h"
#include "widgets/ToggleButton.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

TEST(Switches, VerticalSwitchOfThreePositionsGivesOneValuePerThird) {
    KitHarness kit;
    Bitmap* strip = makeStrip(20, 58, 3);
    auto* direction = kit.add(new VerticalSwitch({364, 81, 384, 139}, &kit.listener, 8, 3, 58, 3, strip));
    strip->forget();
    const float expected[] = {0.0f, 0.5f, 1.0f};
    const int rows[] = {85, 110, 135};
    for (int i = 0; i < 3; ++i) {
        direction->setValue(i == 0 ? 1.0f : 0.0f);
        kit.click({370, rows[i]});
        EXPECT_FLOAT_EQ(direction->getValue(), expected[i]) << rows[i];
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), {374, 100}), colourOfImage(i));
    }
    EXPECT_EQ(kit.listener.reports.size(), 3u);
    // A drag through the zones reports each change, within one edit; outside
    // the control the value stays clamped.
    kit.calls.clear();
    kit.listener.reports.clear();
    kit.press({370, 85});
    kit.move({370, 110});
    kit.move({370, 300});
    kit.move({370, 20});
    kit.release({370, 20});
    std::vector<float> values;
    for (const Report& r : kit.listener.reports) values.push_back(r.value);
    EXPECT_EQ(values, (std::vector<float>{0.0f, 0.5f, 1.0f, 0.0f}));
    EXPECT_EQ(kit.editOpcodes(), (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterEndEdit}));
}

TEST(Switches, HorizontalSwitchSplitsItsBitmapWidthAndEndsWhenTheButtonsChange) {
    KitHarness kit;
    Bitmap* strip = makeStrip(77, 17, 5);
    auto* division = kit.add(new HorizontalSwitch({272, 116, 349, 133}, &kit.listener, 11, 5, 17, 5, strip));
    strip->forget();
    kit.press({272 + 40, 120});  // third of five zones of 15.4 pixels
    EXPECT_FLOAT_EQ(division->getValue(), 0.5f);
    kit.move({272 + 76, 120}, kLButton | kShift);  // other buttons: the drag is over
    EXPECT_FLOAT_EQ(division->getValue(), 0.5f);
    EXPECT_FALSE(kit.frame().isTracking());
    kit.release({272 + 76, 120});
    kit.click({272 + 76, 120});
    EXPECT_FLOAT_EQ(division->getValue(), 1.0f);
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {300, 125}), colourOfImage(4));
}

TEST(Buttons, ToggleButtonFlipsOnLeftPressesOnly) {
    KitHarness kit;
    Bitmap* images = makeStrip(14, 14, 2);
    auto* toggle = kit.add(new ToggleButton({4, 294, 18, 308}, &kit.listener, 19, images));
    images->forget();
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {10, 300}), colourOfImage(0));
    kit.click({10, 300});
    EXPECT_FLOAT_EQ(toggle->getValue(), 1.0f);
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {10, 300}), colourOfImage(1));
    kit.click({10, 300}, kRButton);
    EXPECT_FLOAT_EQ(toggle->getValue(), 1.0f);
    toggle->setValue(0.7f);  // truncates to 0: the next press switches it on
    kit.click({10, 300});
    EXPECT_FLOAT_EQ(toggle->getValue(), 1.0f);
    ASSERT_EQ(kit.listener.reports.size(), 3u);
    EXPECT_EQ(kit.listener.reports[1].buttons, kRButton);
}

TEST(Buttons, KickButtonIsOneWhileHeldOverItAndReportsZeroWhenLetGo) {
    KitHarness kit;
    Bitmap* images = makeStrip(25, 24, 2);
    auto* kick = kit.add(new KickButton({361, 168, 386, 192}, &kit.listener, 3, 24, images));
    images->forget();
    kit.press({370, 180});
    EXPECT_FLOAT_EQ(kick->getValue(), 1.0f);
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {370, 180}), colourOfImage(1));
    kit.move({300, 180});  // off the button: back to the value it had
    EXPECT_FLOAT_EQ(kick->getValue(), 0.0f);
    kit.move({365, 175});
    kit.release({365, 175});
    EXPECT_FLOAT_EQ(kick->getValue(), 0.0f);
    std::vector<float> values;
    for (const Report& r : kit.listener.reports) values.push_back(r.value);
    EXPECT_EQ(values, (std::vector<float>{1.0f, 0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(kit.editOpcodes(), (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterEndEdit}));

    // With a modifier it kicks once, without tracking.
    kit.listener.reports.clear();
    kit.press({370, 180}, kLButton | kShift);
    EXPECT_FALSE(kit.frame().isTracking());
    ASSERT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_FLOAT_EQ(kit.listener.reports[0].value, 1.0f);
    EXPECT_FLOAT_EQ(kit.listener.reports[1].value, 0.0f);
    kit.release({370, 180});
}

}  // namespace
