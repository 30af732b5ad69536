// Option menus: their entries and values, and the pop-up the kit draws.
#include <gtest/gtest.h>

#include "tests/widgets/KitHarness.h"
#include "widgets/MenuPopup.h"
#include "widgets/OptionMenu.h"
#include "widgets/VirtualKeys.h"

namespace {

MenuPopup* popupOf(KitHarness& kit) { return dynamic_cast<MenuPopup*>(kit.frame().getModalView()); }

Point middleOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST(OptionMenu, ChoosingAnEntryReportsItsIndexClosingReportsNothingAndValuesPastTheEndsAreIgnored) {
    KitHarness kit;
    auto* menu = kit.add(new OptionMenu({3, 60, 84, 76}, &kit.listener, 1, nullptr, nullptr, kCheckStyle));
    for (const char* entry : {"0", "1", "2", "third", "4"}) menu->addEntry(entry);
    EXPECT_EQ(menu->getCurrentIndex(), 0);  // the first entry added
    menu->setValue(3.0f);
    menu->setNormalizedValue(1.0f);  // 6 of five entries
    menu->setValue(5.0f);
    menu->setValue(-1.0f);
    EXPECT_EQ(menu->getCurrentIndex(), 3);
    char text[ValueDisplay::kTextSize];
    menu->getDisplayText(text);
    EXPECT_STREQ(text, "third");

    kit.click({10, 68});  // the press opens, the release on the button chooses nothing
    MenuPopup* popup = popupOf(kit);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->levelBox(0).top, 76);  // below the menu
    kit.idle();
    EXPECT_TRUE(kit.listener.reports.empty());
    kit.click(middleOf(popup->entryRect(0, 1)));
    EXPECT_FALSE(menu->isPopupOpen());
    ASSERT_EQ(kit.listener.reports.size(), 1u);
    EXPECT_FLOAT_EQ(kit.listener.reports[0].value, 1.0f);

    // A click outside and Escape close it unchosen.
    kit.click({10, 68});
    kit.click({390, 10});
    EXPECT_EQ(popupOf(kit), nullptr);
    kit.click({10, 68});
    EXPECT_TRUE(kit.key(kVKeyEscape));
    EXPECT_EQ(popupOf(kit), nullptr);
    EXPECT_EQ(kit.listener.reports.size(), 1u);
    // Keys choose as well: down from the current entry, then Return.
    kit.click({10, 68});
    kit.key(kVKeyDown);
    kit.key(kVKeyReturn);
    EXPECT_EQ(menu->getCurrentIndex(), 2);
    kit.idle();

    menu->addEntry("first", 0);  // inserted in front
    EXPECT_STREQ(menu->getEntry(0), "first");
    EXPECT_EQ(menu->getNbEntries(), 6);
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
