// The Length and Offset knob as a user drags it: the speeds of the
// modifiers, the default, the learn press, the report after release, and
// where its handle dot is drawn.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "editor/TouchKnob.h"
#include "tests/editor/FilledBitmap.h"
#include "tests/widgets/KitHarness.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr int kTag = 7;
constexpr Rect kKnobRect{100, 100, 140, 140};  // 40 pixels: radius 20
constexpr Point kCentre{120, 120};
const Color kBody{30, 30, 90, 255};
const Color kDot{250, 200, 0, 255};
const Color kTouchDot{0, 220, 60, 255};

struct TouchKnobTest : ::testing::Test {
    KitHarness kit;
    TouchKnob* knob = nullptr;

    void SetUp() override {
        knob = kit.add(new TouchKnob(kKnobRect, &kit.listener, kTag, FilledBitmap(40, 40, kBody),
                                     FilledBitmap(4, 4, kDot), FilledBitmap(4, 4, kTouchDot)));
        knob->setValue(0.2f);
        knob->setDefaultValue(0.5f);
        kit.idle();
    }

    float dragRight(int pixels, int buttons) {
        knob->setValue(0.2f);
        kit.press(kCentre, buttons);
        kit.move(kCentre.offset(pixels, 0), buttons);
        kit.release(kCentre.offset(pixels, 0), 0);
        return knob->getValue() - 0.2f;
    }
};

TEST_F(TouchKnobTest, ModifiersChooseTheSpeedOfTheDragAlsoInMidDrag) {
    EXPECT_NEAR(dragRight(100, kLButton), 0.5f, 1e-5);
    EXPECT_NEAR(dragRight(100, kLButton | kShift), 0.25f, 1e-5);
    EXPECT_NEAR(dragRight(100, kLButton | kAlt), 0.125f, 1e-5);
    EXPECT_NEAR(dragRight(100, kLButton | kShift | kAlt), 0.01f, 1e-5);
    // Up counts as right, down as left; the value stays within its range.
    knob->setValue(0.2f);
    kit.press(kCentre);
    kit.move(kCentre.offset(0, -20));
    EXPECT_NEAR(knob->getValue(), 0.3f, 1e-5);
    kit.move(kCentre.offset(0, 300));
    EXPECT_FLOAT_EQ(knob->getValue(), 0.0f);
    kit.release(kCentre.offset(0, 300));

    // A modifier pressed or let go in mid-drag changes the speed without a jump:
    // Shift makes it 300 pixels per range, letting go 100 again.
    knob->setValue(0.2f);
    kit.press(kCentre);
    for (auto [pixels, buttons, value] : {std::tuple{20, int{kLButton}, 0.3f}, {20, kLButton | kShift, 0.3f},
                                          {50, kLButton | kShift, 0.4f}, {50, kLButton, 0.4f},
                                          {60, kLButton, 0.5f}}) {
        kit.move(kCentre.offset(pixels, 0), buttons);
        EXPECT_NEAR(knob->getValue(), value, 1e-5) << pixels << " with " << buttons;
    }
    kit.release(kCentre.offset(60, 0));
}

TEST_F(TouchKnobTest, ReportsEveryChangeAndOnceMoreWhenLetGo) {
    kit.press(kCentre);
    EXPECT_TRUE(kit.listener.reports.empty());
    kit.move(kCentre.offset(10, 0));
    kit.move(kCentre.offset(20, 0));
    kit.move(kCentre.offset(20, 0));  // no change, no report
    ASSERT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_EQ(kit.listener.reports[1].buttons, kLButton);
    kit.release(kCentre.offset(20, 0));
    ASSERT_EQ(kit.listener.reports.size(), 3u);
    EXPECT_EQ(kit.listener.reports[2].buttons, 0);  // the knob was let go
    EXPECT_EQ(kit.editOpcodes(), (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterEndEdit}));
    EXPECT_FALSE(kit.frame().isTracking());
}

TEST_F(TouchKnobTest, ControlClickJumpsToTheDefaultOtherButtonsOnlyReportTheWheelDoesNothing) {
    kit.click(kCentre, kLButton | kControl);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
    ASSERT_EQ(kit.listener.reports.size(), 1u);
    kit.click(kCentre, kLButton | kControl);  // already there: nothing to report
    EXPECT_EQ(kit.listener.reports.size(), 1u);

    kit.listener.reports.clear();
    kit.click(kCentre, kRButton);
    ASSERT_EQ(kit.listener.reports.size(), 1u);
    EXPECT_EQ(kit.listener.reports[0].buttons, kRButton);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
    EXPECT_TRUE(kit.editOpcodes().empty());
    kit.frame().onWheel(kCentre, 1.0f, 0);  // the wheel leaves it alone
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
    EXPECT_EQ(kit.listener.reports.size(), 1u);
}

// The dot runs clockwise through the top, inside the rim: a 4-pixel dot is
// inset by 4 (4 * 0.5 + 2.5, truncated).
TEST_F(TouchKnobTest, DrawsTheDotAtTheValueInTheColourOfTheMode) {
    knob->setValue(0.5f);
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {120, 104}), kDot);  // straight above the centre
    EXPECT_EQ(pictureColorAt(kit.frame(), {120, 120}), kBody);
    EXPECT_EQ(pictureColorAt(kit.frame(), {109, 131}), kBody);  // no dot at the minimum
    knob->setTouchMode(1);
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {120, 104}), kTouchDot);
    knob->setTouchMode(0);
    for (auto [value, where] : {std::pair{0.0f, Point{109, 131}}, {1.0f, Point{131, 131}}}) {
        knob->setValue(value);
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), where), kDot) << value;  // lower left, lower right
    }
}

}  // namespace
