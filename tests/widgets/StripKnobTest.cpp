// The strip knob as a user drags, wheels and types at it, and what the host
// and the listener hear of it.
#include <gtest/gtest.h>

#include <utility>

#include "tests/widgets/KitHarness.h"
#include "widgets/StripKnob.h"
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
        kit.idle();
        kit.editor->setKnobMode(2);  // linear
    }
    void TearDown() override { kit.editor->setKnobMode(0); }
    void drag(Point to, int buttons = kLButton) {
        kit.press(kCentre, buttons);
        kit.move(to, buttons);
        kit.release(to);
    }
};

TEST_F(KnobTest, OtherButtonsOnlyReportAndControlClickSetsTheDefault) {
    for (int buttons : {int{kRButton}, int{kMButton}, kRButton | kShift}) {
        kit.listener.reports.clear();
        kit.click(kCentre, buttons);
        ASSERT_EQ(kit.listener.reports.size(), 1u) << buttons;
        EXPECT_EQ(kit.listener.reports[0].tag, kTag);
        EXPECT_EQ(kit.listener.reports[0].buttons, buttons);
        EXPECT_FLOAT_EQ(knob->getValue(), 0.2f);
    }
    knob->setDefaultValue(0.25f);
    kit.listener.reports.clear();
    kit.click(kCentre, kLButton | kControl);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.25f);
    kit.click(kCentre, kLButton | kControl);  // already there: no report
    EXPECT_EQ(kit.listener.reports.size(), 1u);
    EXPECT_TRUE(kit.editOpcodes().empty());  // no edit for the host
}

TEST_F(KnobTest, LinearDragIsBracketedReportsOnceMoreWhenLetGoAndShiftSlowsItWithoutAJump) {
    kit.press(kCentre);
    EXPECT_TRUE(kit.listener.reports.empty());  // nothing moved yet
    for (int dy = 10; dy <= 100; dy += 10) kit.move(kCentre.offset(0, -dy));
    EXPECT_NEAR(knob->getValue(), 0.7f, 1e-5);  // 100 pixels up: half the range
    EXPECT_EQ(kit.listener.reports.size(), 10u);
    for (const Report& report : kit.listener.reports) EXPECT_EQ(report.buttons, kLButton);
    kit.release(kCentre.offset(0, -100));
    ASSERT_EQ(kit.listener.reports.size(), 11u);
    EXPECT_EQ(kit.listener.reports.back().buttons, 0);  // the knob was let go
    EXPECT_NEAR(kit.listener.reports.back().value, 0.7f, 1e-5);
    EXPECT_EQ(kit.editOpcodes(), (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterEndEdit}));
    EXPECT_FALSE(kit.frame().isTracking());

    drag(kCentre.offset(30, 30));  // right and down count as well: back where it was
    EXPECT_NEAR(knob->getValue(), 0.7f, 1e-5);
    drag(kCentre.offset(0, -400));
    EXPECT_FLOAT_EQ(knob->getValue(), 1.0f);

    knob->setValue(0.2f);
    kit.press(kCentre, kLButton | kShift);
    kit.move(kCentre.offset(0, -100), kLButton | kShift);
    EXPECT_NEAR(knob->getValue(), 0.2f + 1.0f / 3.0f, 1e-5);  // 300 pixels for the range
    // Letting Shift go changes nothing until the pointer moves; from there
    // on the knob moves 200 pixels per range, without a jump.
    kit.move(kCentre.offset(0, -100), kLButton);
    EXPECT_NEAR(knob->getValue(), 0.2f + 1.0f / 3.0f, 1e-5);
    kit.move(kCentre.offset(0, -120), kLButton);
    EXPECT_NEAR(knob->getValue(), 0.6f, 1e-5);
    kit.release(kCentre.offset(0, -120));
}

TEST_F(KnobTest, CircularModeFollowsTheAngleAndAltSwapsTheModes) {
    kit.editor->setKnobMode(0);
    kit.press({112, 100});  // straight above the centre
    EXPECT_NEAR(knob->getValue(), 0.5f, 0.02f);
    kit.move({124, 112});  // right: three quarters of the way
    EXPECT_NEAR(knob->getValue(), 5.0f / 6.0f, 0.02f);
    // Through the gap at the bottom to the minimum side: pinned at the maximum.
    kit.move({103, 124});
    EXPECT_FLOAT_EQ(knob->getValue(), 1.0f);
    kit.release({103, 124});

    knob->setValue(0.2f);
    drag(kCentre.offset(0, -50), kLButton | kAlt);  // circular mode with Alt drags linearly
    EXPECT_NEAR(knob->getValue(), 0.45f, 1e-5);
    kit.editor->setKnobMode(2);
    kit.click({112, 100}, kLButton | kAlt);  // and linear mode with Alt circularly
    EXPECT_NEAR(knob->getValue(), 0.5f, 0.02f);
}

TEST_F(KnobTest, WheelAndArrowKeysStepByTheIncrement) {
    kit.frame().onWheel(kCentre, 1.0f, 0);
    EXPECT_NEAR(knob->getValue(), 0.3f, 1e-6);
    kit.frame().onWheel(kCentre, -2.0f, kShift);
    EXPECT_NEAR(knob->getValue(), 0.28f, 1e-6);
    ASSERT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_EQ(kit.listener.reports[1].buttons & kAnyMouseButton, 0);
    EXPECT_TRUE(kit.editOpcodes().empty());

    // Keys reach the knob only once it was pressed.
    EXPECT_FALSE(kit.key(kVKeyUp));
    kit.click(kCentre);
    EXPECT_TRUE(kit.key(kVKeyUp));
    EXPECT_NEAR(knob->getValue(), 0.38f, 1e-6);
    knob->setValue(1.0f);
    const size_t before = kit.listener.reports.size();
    kit.key(kVKeyRight);  // already at the end: no report
    EXPECT_EQ(kit.listener.reports.size(), before);
}

TEST_F(KnobTest, DrawsTheImageOfItsValue) {
    const std::pair<float, int> imageOfValue[] = {{0.0f, 0}, {0.5f, 9}, {0.99f, 17}, {1.0f, 18}, {-0.5f, 0}};
    for (auto [value, image] : imageOfValue) {
        knob->setValue(value);
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), kCentre), colourOfImage(image)) << value;
    }
}

}  // namespace
