// Switches chosen by zones, and the kick button. (The toggle button is
// tested as the editor's Record button.)
#include <gtest/gtest.h>

#include "tests/widgets/KitHarness.h"
#include "widgets/KickButton.h"
#include "widgets/Switches.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

std::vector<float> reportedValues(const KitHarness& kit) {
    std::vector<float> values;
    for (const Report& r : kit.listener.reports) values.push_back(r.value);
    return values;
}

TEST(Switches, VerticalSwitchOfThreePositionsGivesOneValuePerThird) {
    KitHarness kit;
    Bitmap* strip = makeStrip(20, 58, 3);
    auto* direction = kit.add(new VerticalSwitch({364, 81, 384, 139}, &kit.listener, 8, 3, 58, 3, strip));
    strip->forget();
    const int rows[] = {85, 110, 135};
    for (int i = 0; i < 3; ++i) {
        direction->setValue(i == 0 ? 1.0f : 0.0f);
        kit.click({370, rows[i]});
        EXPECT_FLOAT_EQ(direction->getValue(), i * 0.5f) << rows[i];
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), {374, 100}), colourOfImage(i));
    }
    // A drag through the zones reports each change, within one edit; outside
    // the control the value stays clamped.
    kit.calls.clear();
    kit.listener.reports.clear();
    kit.press({370, 85});
    for (int row : {110, 300, 20}) kit.move({370, row});
    kit.release({370, 20});
    EXPECT_EQ(reportedValues(kit), (std::vector<float>{0.0f, 0.5f, 1.0f, 0.0f}));
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
    EXPECT_EQ(reportedValues(kit), (std::vector<float>{1.0f, 0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(kit.editOpcodes(), (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterEndEdit}));

    // With a modifier it kicks once, without tracking.
    kit.listener.reports.clear();
    kit.press({370, 180}, kLButton | kShift);
    EXPECT_FALSE(kit.frame().isTracking());
    EXPECT_EQ(reportedValues(kit), (std::vector<float>{1.0f, 0.0f}));
    kit.release({370, 180});
}

}  // namespace
