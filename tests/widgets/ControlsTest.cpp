// The controls of the kit as a user drags, clicks, wheels and types at them,
// and what the host and the listener hear of it: the strip knob, switches
// chosen by zones, the kick button, and the handle slider beyond what the
// editor's Mix slider tests show. (The toggle button is tested as the
// editor's Record button.)
#include <gtest/gtest.h>

#include <utility>

#include "tests/widgets/KitHarness.h"
#include "widgets/HandleSlider.h"
#include "widgets/KickButton.h"
#include "widgets/StripKnob.h"
#include "widgets/Switches.h"
#include "widgets/VirtualKeys.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr int kTag = 21;
constexpr Point kCentre{112, 112};

struct KnobTest : ::testing::Test {
    KitHarness kit;
    StripKnob* knob = nullptr;

    void SetUp() override {
        Bitmap* strip = makeStrip(25, 25, 19);
        knob = kit.add(new StripKnob({100, 100, 125, 125}, &kit.listener, kTag, 19, 25, strip));
        strip->forget();
        knob->setValue(0.2f);
        kit.editor->setKnobMode(2);  // linear
    }
    void TearDown() override { kit.editor->setKnobMode(0); }
};

TEST_F(KnobTest, OtherButtonsOnlyReportAndControlClickSetsTheDefaultWithoutAnEdit) {
    kit.click(kCentre, kRButton | kShift);
    EXPECT_EQ(kit.listener.reports.at(0).buttons, kRButton | kShift);
    knob->setDefaultValue(0.25f);
    kit.click(kCentre, kLButton | kControl);
    kit.click(kCentre, kLButton | kControl);  // already there: no report
    EXPECT_FLOAT_EQ(knob->getValue(), 0.25f);
    EXPECT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_TRUE(kit.edits.empty());
}

// Each row: knob mode, buttons, where the pointer goes from the centre, the value there.
TEST_F(KnobTest, DragsAreOneEditClampedAndFollowTheModeAndModifiers) {
    struct Drag {
        int mode, buttons;
        Point from, to;
        float value;
    };
    const Drag drags[] = {
        {2, kLButton, kCentre, kCentre.offset(0, -100), 0.7f},  // 200 pixels per range
        {2, kLButton, kCentre, kCentre.offset(40, 60), 0.1f},   // right counts up, down down
        {2, kLButton, kCentre, kCentre.offset(0, -400), 1.0f},  // clamped
        {0, kLButton, {112, 100}, {124, 112}, 5.0f / 6.0f},     // circular: the angle
        {0, kLButton, {124, 112}, {103, 124}, 1.0f},            // through the gap: pinned
        {0, kLButton | kAlt, kCentre, kCentre.offset(0, -50), 0.45f},  // Alt swaps the modes
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(::testing::Message() << d.to.h << "," << d.to.v);
        knob->setValue(0.2f);
        kit.editor->setKnobMode(d.mode);
        kit.edits.clear();
        kit.listener.reports.clear();
        kit.press(d.from, d.buttons);
        kit.move(d.to, d.buttons);
        EXPECT_NEAR(knob->getValue(), d.value, d.mode == 0 && !(d.buttons & kAlt) ? 0.02f : 1e-5f);
        kit.release(d.to);
        ASSERT_FALSE(kit.listener.reports.empty());
        EXPECT_EQ(kit.listener.reports.back().buttons, 0);  // once more when let go
        EXPECT_EQ(kit.edits, (std::vector<EditCall>{kBeginEdit, kEndEdit}));
    }
    // Shift: 300 pixels per range; let go mid-drag, 200 from there on, without a jump.
    knob->setValue(0.2f);
    kit.editor->setKnobMode(2);
    kit.press(kCentre, kLButton | kShift);
    kit.move(kCentre.offset(0, -100), kLButton | kShift);
    EXPECT_NEAR(knob->getValue(), 0.2f + 1.0f / 3.0f, 1e-5);
    kit.move(kCentre.offset(0, -100), kLButton);
    EXPECT_NEAR(knob->getValue(), 0.2f + 1.0f / 3.0f, 1e-5);
    kit.move(kCentre.offset(0, -120), kLButton);
    EXPECT_NEAR(knob->getValue(), 0.6f, 1e-5);
    kit.release(kCentre.offset(0, -120));
}

TEST_F(KnobTest, WheelAndArrowKeysStepByTheIncrementAndItDrawsTheImageOfItsValue) {
    kit.frame().onWheel(kCentre, 1.0f, 0);
    kit.frame().onWheel(kCentre, -2.0f, kShift);
    EXPECT_NEAR(knob->getValue(), 0.28f, 1e-6);
    EXPECT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_TRUE(kit.edits.empty());
    EXPECT_FALSE(kit.key(kVKeyUp));  // keys reach the knob only once it was pressed
    kit.click(kCentre);
    EXPECT_TRUE(kit.key(kVKeyUp));
    EXPECT_NEAR(knob->getValue(), 0.38f, 1e-6);
    knob->setValue(1.0f);
    const size_t before = kit.listener.reports.size();
    kit.key(kVKeyRight);  // already at the end: no report
    EXPECT_EQ(kit.listener.reports.size(), before);

    for (auto [value, image] : {std::pair{0.0f, 0}, {0.5f, 9}, {0.99f, 17}, {1.0f, 18}, {-0.5f, 0}}) {
        knob->setValue(value);
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), kCentre), colourOfImage(image)) << value;
    }
}

std::vector<float> reportedValues(const KitHarness& kit) {
    std::vector<float> values;
    for (const Report& r : kit.listener.reports) values.push_back(r.value);
    return values;
}

// A drag through the zones reports each change within one edit, clamped
// outside the control, and other buttons end it; each zone has its image.
TEST(Switches, ZonesGiveOneValueEachAndADragIsOneClampedEdit) {
    KitHarness kit;
    Bitmap* tall = makeStrip(20, 58, 3);
    Bitmap* wide = makeStrip(77, 17, 5);
    auto* direction = kit.add(new VerticalSwitch({364, 81, 384, 139}, &kit.listener, 8, 3, 58, 3, tall));
    auto* division = kit.add(new HorizontalSwitch({272, 116, 349, 133}, &kit.listener, 11, 5, 17, 5, wide));
    tall->forget();
    wide->forget();
    direction->setValue(1.0f);
    kit.press({370, 85});
    for (int row : {110, 300, 20}) kit.move({370, row});
    kit.release({370, 20});
    kit.press({312, 120});  // third of five zones of 15.4 pixels
    kit.move({500, 120});
    kit.move({200, 120}, kLButton | kShift);
    EXPECT_FALSE(kit.frame().isTracking());
    kit.release({200, 120});
    EXPECT_EQ(reportedValues(kit), (std::vector<float>{0.0f, 0.5f, 1.0f, 0.0f, 0.5f, 1.0f}));
    EXPECT_EQ(kit.edits, (std::vector<EditCall>{kBeginEdit, kEndEdit,
                                                        kBeginEdit, kEndEdit}));
    direction->setValue(0.5f);
    division->setValue(0.75f);
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {374, 100}), colourOfImage(1));
    EXPECT_EQ(pictureColorAt(kit.frame(), {300, 125}), colourOfImage(3));
}

TEST(Buttons, KickButtonIsOneWhileHeldOverItAndKicksOnceWithAModifier) {
    KitHarness kit;
    Bitmap* images = makeStrip(25, 24, 2);
    auto* kick = kit.add(new KickButton({361, 168, 386, 192}, &kit.listener, 3, 24, images));
    images->forget();
    kit.press({370, 180});
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {370, 180}), colourOfImage(1));
    kit.move({300, 180});  // off the button: back to the value it had
    EXPECT_FLOAT_EQ(kick->getValue(), 0.0f);
    kit.move({365, 175});
    kit.release({365, 175});
    EXPECT_EQ(reportedValues(kit), (std::vector<float>{1.0f, 0.0f, 1.0f, 0.0f}));
    kit.listener.reports.clear();
    kit.press({370, 180}, kLButton | kShift);
    EXPECT_FALSE(kit.frame().isTracking());
    EXPECT_EQ(reportedValues(kit), (std::vector<float>{1.0f, 0.0f}));
    kit.release({370, 180});
}

TEST(HandleSlider, ShiftLetGoJumpsBackUnderThePointerAndKeysAndControlClickSetIt) {
    KitHarness kit;
    Bitmap* handle = makeStrip(9, 16, 1);
    Bitmap* track = makeStrip(77, 17, 1);
    auto* slider = kit.add(new HandleSlider({273, 168, 350, 185}, &kit.listener, 16, 273, 341, handle, track));
    handle->forget();
    track->forget();
    // The grab point is the handle's centre: left + 9 / 2 - 1 = 276.
    kit.press({276 + 34, 175});
    kit.move({276 + 34, 175}, kLButton | kShift);
    kit.move({276 + 68, 175}, kLButton | kShift);  // half the range, slowed ten times
    EXPECT_NEAR(slider->getValue(), 0.55f, 1e-5);
    kit.move({276 + 17, 175});  // without Shift the handle is under the pointer again
    EXPECT_FLOAT_EQ(slider->getValue(), 0.25f);
    kit.move({500, 175});
    kit.release({500, 175});
    EXPECT_FLOAT_EQ(slider->getValue(), 1.0f);
    kit.click({300, 175}, kLButton | kControl);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    EXPECT_TRUE(kit.key(kVKeyDown, 0, kModifierShift));
    EXPECT_NEAR(slider->getValue(), 0.49f, 1e-6);
}

}  // namespace
