// The frame's modal views, option menus and their pop-up, and transparent
// bitmaps. (Drawing order, redrawing on idle and the credits splash are
// tested as the editor shows them.)
#include <gtest/gtest.h>

#include <tuple>

#include "tests/widgets/KitHarness.h"
#include "widgets/MenuPopup.h"
#include "widgets/OptionMenu.h"
#include "widgets/SplashView.h"
#include "widgets/ToggleButton.h"
#include "widgets/VirtualKeys.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

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
    ASSERT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_EQ(kit.listener.reports[1].tag, 56);
    EXPECT_FLOAT_EQ(kit.listener.reports[0].value, 1.0f);
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
    kit.context().setFillColor(kGreyColor);
    kit.context().fillRect({0, 0, 10, 10});
    for (auto [key, at, corner, inside] : {std::tuple{kWhiteColor, 0, kRedColor, kGreyColor},
                                           std::tuple{kRedColor, 4, kGreyColor, kWhiteColor}}) {
        dot->setTransparentColor(key);
        dot->drawTransparent(kit.context(), {at, at, at + 4, at + 4});
        EXPECT_EQ(pictureColorAt(kit.frame(), {at, at}), corner);
        EXPECT_EQ(pictureColorAt(kit.frame(), {at + 1, at + 1}), inside);
    }
    dot->forget();

    auto* missing = new Bitmap(99999);
    EXPECT_EQ(missing->getWidth(), 0);
    missing->draw(kit.context(), {0, 0, 400, 400});
    missing->drawTransparent(kit.context(), {0, 0, 400, 400});
    EXPECT_EQ(pictureColorAt(kit.frame(), {5, 5}), kWhiteColor);
    missing->forget();
}

MenuPopup* popupOf(KitHarness& kit) { return dynamic_cast<MenuPopup*>(kit.frame().getModalView()); }

Point middleOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(OptionMenu, ValuesPastTheEndsAreIgnoredAndTheClickOutsideEscapeAndKeysWork) {
    KitHarness kit;
    auto* menu = kit.add(new OptionMenu({3, 60, 84, 76}, &kit.listener, 1, nullptr, nullptr, kCheckStyle));
    for (const char* entry : {"0", "1", "2", "third", "4"}) menu->addEntry(entry);
    menu->setValue(3.0f);
    for (float ignored : {5.0f, -1.0f}) menu->setValue(ignored);
    char text[ValueDisplay::kTextSize];
    menu->getDisplayText(text);
    EXPECT_STREQ(text, "third");

    kit.click({10, 68});  // the press opens, the release on the button chooses nothing
    ASSERT_NE(popupOf(kit), nullptr);
    EXPECT_EQ(popupOf(kit)->levelBox(0).top, 76);  // below the menu
    kit.click({390, 10});  // a click outside, and Escape, close it unchosen
    EXPECT_EQ(popupOf(kit), nullptr);
    kit.click({10, 68});
    EXPECT_TRUE(kit.key(kVKeyEscape));
    EXPECT_EQ(popupOf(kit), nullptr);
    EXPECT_TRUE(kit.listener.reports.empty());
    kit.click({10, 68});  // keys choose: down from the current entry, then Return
    kit.key(kVKeyDown);
    kit.key(kVKeyReturn);
    EXPECT_EQ(menu->getCurrentIndex(), 4);
    EXPECT_EQ(kit.listener.reports.size(), 1u);
}

TEST(OptionMenu, SubMenusReportThemselvesAndEveryBoxFitsThePanel) {
    KitHarness kit;
    auto* filterMenu = kit.add(new OptionMenu({305, 370, 395, 395}, &kit.listener, 52, nullptr,
                                              nullptr, kNoTextStyle));
    auto* typeMenu = new OptionMenu({305, 370, 395, 395}, &kit.listener, 36, nullptr, nullptr, kCheckStyle);
    for (const char* entry : {"Off", "LPF", "HPF", "NTC", "PEQ", "LSH", "HSH"}) typeMenu->addEntry(entry);
    auto* directionMenu = new OptionMenu({305, 370, 395, 395}, &kit.listener, 40);
    for (const char* entry : {"Down", "Up"}) directionMenu->addEntry(entry);
    filterMenu->addEntry(typeMenu, "LFO Type");
    filterMenu->addEntry(directionMenu, "SPD Dir");
    typeMenu->forget();  // the menu keeps its own references
    directionMenu->forget();

    kit.click({350, 380});
    MenuPopup* popup = popupOf(kit);
    ASSERT_NE(popup, nullptr);
    // No room below the menu at the bottom of the panel: above it.
    EXPECT_EQ(popup->levelBox(0).bottom, 370);
    kit.move(middleOf(popup->entryRect(0, 0)), 0);  // hovering opens the sub-menu
    ASSERT_EQ(popup->levelCount(), 2);
    const Rect panel{0, 0, 400, 400};
    for (int level = 0; level < popup->levelCount(); ++level)
        EXPECT_EQ(popup->levelBox(level).intersection(panel), popup->levelBox(level));
    // No room at the right: the sub-menu opens to the left of its parent.
    EXPECT_LE(popup->levelBox(1).right, popup->levelBox(0).left + 2);

    kit.click(middleOf(popup->entryRect(1, 1)));
    ASSERT_EQ(kit.listener.reports.size(), 1u);
    EXPECT_EQ(kit.listener.reports[0].tag, 36);  // "LPF" of the sub-menu, not the filter menu
    EXPECT_FLOAT_EQ(kit.listener.reports[0].value, 1.0f);
    EXPECT_EQ(filterMenu->getCurrentIndex(), 0);
}

}  // namespace
