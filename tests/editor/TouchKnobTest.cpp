// The Length and Offset knob as a user drags it: the speeds of the
// modifiers, the default, the learn press, the reports, and its handle dot.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "editor/TouchKnob.h"
#include "tests/editor/FilledBitmap.h"
#include "tests/widgets/KitHarness.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr Point kCentre{120, 120};
const Color kBody{30, 30, 90, 255};
const Color kDot{250, 200, 0, 255};
const Color kTouchDot{0, 220, 60, 255};

struct TouchKnobTest : ::testing::Test {
    KitHarness kit;
    TouchKnob* knob = kit.add(new TouchKnob({100, 100, 140, 140}, &kit.listener, 7, FilledBitmap(40, 40, kBody),
                                            FilledBitmap(4, 4, kDot), FilledBitmap(4, 4, kTouchDot)));

    void SetUp() override {
        knob->setValue(0.2f);
        knob->setDefaultValue(0.5f);
        kit.idle();
    }
};

TEST_F(TouchKnobTest, ModifiersChooseTheSpeedOfTheDragAlsoInMidDragAndEachChangeIsReported) {
    for (auto [buttons, change] : {std::pair{int{kLButton}, 0.5f}, {kLButton | kShift, 0.25f},
                                   {kLButton | kAlt, 0.125f}, {kLButton | kShift | kAlt, 0.01f}}) {
        knob->setValue(0.2f);
        kit.press(kCentre, buttons);
        kit.move(kCentre.offset(100, 0), buttons);
        kit.release(kCentre.offset(100, 0), 0);
        EXPECT_NEAR(knob->getValue() - 0.2f, change, 1e-5) << buttons;
    }
    kit.listener.reports.clear();
    kit.edits.clear();
    // A modifier pressed or let go in mid-drag changes the speed without a jump:
    // Shift makes it 300 pixels per range, letting go 100 again. Up counts as
    // right; the value stays within its range.
    knob->setValue(0.2f);
    kit.press(kCentre);
    EXPECT_TRUE(kit.listener.reports.empty());
    for (auto [dx, dy, buttons, value] : {std::tuple{20, 0, int{kLButton}, 0.3f}, {20, 0, kLButton | kShift, 0.3f},
                                          {50, 0, kLButton | kShift, 0.4f}, {50, 0, kLButton, 0.4f},
                                          {60, 0, kLButton, 0.5f}, {60, -20, kLButton, 0.7f}, {60, 300, kLButton, 0.0f}}) {
        kit.move(kCentre.offset(dx, dy), buttons);
        EXPECT_NEAR(knob->getValue(), value, 1e-5) << dx << "," << dy << " with " << buttons;
    }
    const size_t reports = kit.listener.reports.size();
    kit.move(kCentre.offset(60, 300));
    EXPECT_EQ(kit.listener.reports.size(), reports);  // no change, no report
    kit.release(kCentre.offset(60, 300));
    ASSERT_EQ(kit.listener.reports.size(), reports + 1);
    EXPECT_EQ(kit.listener.reports.back().buttons, 0);  // the knob was let go
    EXPECT_EQ(kit.edits, (std::vector<EditCall>{kBeginEdit, kEndEdit}));
}

TEST_F(TouchKnobTest, ControlClickJumpsToTheDefaultOtherButtonsOnlyReport) {
    kit.click(kCentre, kLButton | kControl);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
    kit.listener.reports.clear();
    kit.click(kCentre, kRButton);
    ASSERT_EQ(kit.listener.reports.size(), 1u);
    EXPECT_EQ(kit.listener.reports[0].buttons, kRButton);
    EXPECT_FLOAT_EQ(knob->getValue(), 0.5f);
}

// The dot runs clockwise through the top, inside the rim: a 4-pixel dot is
// inset by 4 (4 * 0.5 + 2.5, truncated).
TEST_F(TouchKnobTest, DrawsTheDotAtTheValueInTheColourOfTheMode) {
    for (auto [value, mode, where, colour] : {std::tuple{0.5f, 0, Point{120, 104}, kDot}, {0.5f, 1, {120, 104}, kTouchDot},
                                             {0.0f, 0, {109, 131}, kDot}, {1.0f, 0, {131, 131}, kDot}}) {
        knob->setValue(value);
        knob->setTouchMode(mode);
        kit.idle();
        EXPECT_EQ(pictureColorAt(kit.frame(), where), colour) << value << " " << mode;
        EXPECT_EQ(pictureColorAt(kit.frame(), kCentre), kBody);
    }
}

}  // namespace
