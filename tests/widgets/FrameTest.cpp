// The frame: drawing order, who gets a press, redrawing on idle, modal views,
// and bitmaps. (The credits splash is tested as the editor shows it.)
#include <gtest/gtest.h>

#include "tests/widgets/KitHarness.h"
#include "widgets/SplashView.h"
#include "widgets/StripKnob.h"
#include "widgets/ToggleButton.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

TEST(Frame, DrawsBackgroundThenViewsInOrderAndGivesPressesToTheLastOneUnderThePointer) {
    KitHarness kit;
    Bitmap* panel = makeStrip(400, 400, 1);
    kit.frame().setBackground(panel);
    panel->forget();
    Bitmap* lower = makeStrip(40, 40, 3);
    auto* below = kit.add(new StripKnob({0, 0, 40, 40}, &kit.listener, 1, 3, 40, lower));
    auto* above = kit.add(new StripKnob({20, 20, 60, 60}, &kit.listener, 2, 3, 40, lower));
    lower->forget();
    below->setValue(1.0f);
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {100, 100}), colourOfImage(0));  // the background
    EXPECT_EQ(pictureColorAt(kit.frame(), {10, 10}), colourOfImage(2));
    EXPECT_EQ(pictureColorAt(kit.frame(), {30, 30}), colourOfImage(0));  // the later view on top

    kit.click({30, 30}, kRButton);
    above->setMouseEnabled(false);
    kit.click({30, 30}, kRButton);
    ASSERT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_EQ(kit.listener.reports[0].tag, 2);
    EXPECT_EQ(kit.listener.reports[1].tag, 1);  // the disabled view is passed over

    // A changed value is drawn on the next idle pass, and only then.
    above->setValue(1.0f);
    EXPECT_TRUE(above->isDirty());
    EXPECT_EQ(pictureColorAt(kit.frame(), {50, 50}), colourOfImage(0));
    kit.idle();
    EXPECT_FALSE(above->isDirty());
    EXPECT_EQ(pictureColorAt(kit.frame(), {50, 50}), colourOfImage(2));
}

TEST(Frame, OnlyOneModalViewAtATimeAndTheSplashReportsBothWays) {
    KitHarness kit;
    Bitmap* credits = makeStrip(100, 40, 1);
    auto* button = kit.add(new ToggleButton({200, 200, 220, 220}, &kit.listener, 7, nullptr));
    auto* splash = kit.add(new SplashView({0, 0, 100, 40}, &kit.listener, 56, credits, {0, 0, 100, 40}));
    credits->forget();
    kit.click({50, 20});
    EXPECT_EQ(kit.frame().getModalView(), splash);
    EXPECT_FALSE(kit.frame().setModalView(button));
    kit.click({50, 20});
    EXPECT_EQ(kit.frame().getModalView(), nullptr);
    button->setValue(0.7f);  // a toggle truncates: this is off, and the next press switches it on
    kit.click({210, 210});
    EXPECT_FLOAT_EQ(button->getValue(), 1.0f);
    ASSERT_EQ(kit.listener.reports.size(), 3u);
    EXPECT_EQ(kit.listener.reports[0].tag, 56);
    EXPECT_FLOAT_EQ(kit.listener.reports[0].value, 1.0f);
    EXPECT_EQ(kit.listener.reports[1].tag, 56);
    EXPECT_FLOAT_EQ(kit.listener.reports[1].value, 0.0f);
}

TEST(Bitmaps, TransparentDrawingLeavesOutTheKeyColourAndAFailedLoadDrawsNothing) {
    KitHarness kit;
    auto* dot = new Bitmap(4, 4);
    DrawContext painter(dot->surface(), nullptr);
    painter.setFillColor(kRedColor);
    painter.fillRect({0, 0, 4, 4});
    painter.setFillColor(kWhiteColor);
    painter.fillRect({1, 1, 3, 3});
    dot->changed();
    dot->setTransparentColor(kWhiteColor);
    kit.context().setFillColor(kGreyColor);
    kit.context().fillRect({0, 0, 10, 10});
    dot->drawTransparent(kit.context(), {0, 0, 4, 4});
    EXPECT_EQ(pictureColorAt(kit.frame(), {0, 0}), kRedColor);
    EXPECT_EQ(pictureColorAt(kit.frame(), {1, 1}), kGreyColor);
    dot->setTransparentColor(kRedColor);
    dot->drawTransparent(kit.context(), {4, 4, 8, 8});
    EXPECT_EQ(pictureColorAt(kit.frame(), {4, 4}), kGreyColor);
    EXPECT_EQ(pictureColorAt(kit.frame(), {5, 5}), kWhiteColor);
    dot->forget();

    auto* missing = new Bitmap(99999);
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    missing->draw(kit.context(), {0, 0, 400, 400});
    missing->drawTransparent(kit.context(), {0, 0, 400, 400});
    EXPECT_EQ(pictureColorAt(kit.frame(), {5, 5}), kWhiteColor);
    missing->forget();
}

}  // namespace
