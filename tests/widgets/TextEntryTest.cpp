// The one-line text field: editing keys, when it reports, and the keyboard.
#include <gtest/gtest.h>

#include <string>

#include "tests/widgets/KitHarness.h"
#include "widgets/TextEntry.h"
#include "widgets/ToggleButton.h"
#include "widgets/VirtualKeys.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr Point kInField{310, 80};

struct TextEntryTest : ::testing::Test {
    KitHarness kit;
    TextEntry* entry = nullptr;
    void SetUp() override {
        entry = kit.add(new TextEntry({298, 74, 330, 87}, &kit.listener, 63, "120.0", nullptr, k3DFrame));
        kit.idle();
    }
    HeadlessWindow& window() { return *static_cast<HeadlessWindow*>(kit.frame().platform()); }
};

TEST_F(TextEntryTest, ReturnKeepsAChangedTextAndReportsItEscapeAndAnUnchangedTextDoNot) {
    kit.click(kInField);
    EXPECT_TRUE(entry->isEditing());
    EXPECT_TRUE(window().keyboardFocused);  // the field holds the keyboard while open
    kit.type("140");                        // everything was selected: replaced
    EXPECT_EQ(entry->lineEditor().text(), "140");
    EXPECT_STREQ(entry->getText(), "120.0");  // not taken until closed
    kit.idle();
    EXPECT_TRUE(kit.key(kVKeyReturn));
    EXPECT_FALSE(entry->isEditing());
    EXPECT_FALSE(window().keyboardFocused);
    EXPECT_STREQ(entry->getText(), "140");
    ASSERT_EQ(kit.listener.reports.size(), 1u);
    EXPECT_EQ(kit.listener.reports[0].tag, 63);
    // Closed, the field no longer takes keys; the host gets them.
    EXPECT_FALSE(kit.key(0, 'x'));

    // Escape, or a text typed back to what it was, reports nothing.
    kit.click(kInField);
    kit.type("99");
    kit.key(kVKeyEscape);
    EXPECT_STREQ(entry->getText(), "140");
    kit.click(kInField);
    kit.type("1");
    kit.key(kVKeyBack);
    kit.type("140");
    kit.key(kVKeyReturn);
    EXPECT_EQ(kit.listener.reports.size(), 1u);
}

TEST_F(TextEntryTest, APressElsewhereClosesTheFieldAndKeepsTheText) {
    auto* other = kit.add(new ToggleButton({10, 10, 30, 30}, &kit.listener, 5, nullptr));
    kit.click(kInField);
    kit.type("77");
    kit.click({20, 20});
    EXPECT_FALSE(entry->isEditing());
    EXPECT_STREQ(entry->getText(), "77");
    // The text was reported before the press reached the other control.
    ASSERT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_EQ(kit.listener.reports[0].tag, 63);
    EXPECT_EQ(kit.listener.reports[1].tag, 5);
    EXPECT_FLOAT_EQ(other->getValue(), 1.0f);
    // The window losing the keyboard closes it the same way.
    kit.click(kInField);
    kit.type("5");
    kit.frame().onFocusLost();
    EXPECT_STREQ(entry->getText(), "5");
}

TEST_F(TextEntryTest, EditingKeys) {
    kit.click(kInField);
    kit.type("abcd");
    kit.key(kVKeyHome);
    kit.key(kVKeyDelete);   // bcd
    kit.key(kVKeyEnd);
    kit.key(kVKeyBack);     // bc
    kit.key(kVKeyLeft);
    kit.type("X");          // bXc
    kit.key(kVKeyRight, 0, kModifierShift);
    kit.type("Y");          // bXY: the selection is replaced
    kit.key(kVKeySpace, ' ');
    EXPECT_EQ(entry->lineEditor().text(), "bXY ");
    for (int i = 0; i < 300; ++i) kit.type("z");
    EXPECT_EQ(entry->lineEditor().text().size(), 255u);
    kit.key(kVKeyReturn);
    EXPECT_EQ(std::string(entry->getText()).size(), 255u);
}

TEST_F(TextEntryTest, DrawsTheOpenFieldInItsBackColour) {
    entry->setBackColor({118, 57, 48, 255});
    kit.click(kInField);
    kit.key(kVKeyEnd);  // nothing selected
    kit.idle();
    EXPECT_EQ(pictureColorAt(kit.frame(), {300, 85}), (Color{118, 57, 48, 255}));
}

}  // namespace
