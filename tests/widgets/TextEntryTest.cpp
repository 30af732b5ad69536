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

// Typing and Return are checked with real keys on the editor window.
TEST_F(TextEntryTest, EscapeAndAnUnchangedTextReportNothingAPressElsewhereOrLostFocusKeepTheText) {
    auto* other = kit.add(new ToggleButton({10, 10, 30, 30}, &kit.listener, 5, nullptr));
    kit.click(kInField);
    EXPECT_TRUE(window().keyboardFocused);  // the field holds the keyboard while open
    kit.type("99");
    EXPECT_STREQ(entry->getText(), "120.0");  // not taken until closed
    kit.key(kVKeyEscape);
    EXPECT_FALSE(window().keyboardFocused);
    EXPECT_FALSE(kit.key(0, 'x'));  // closed, the field no longer takes keys
    kit.click(kInField);
    kit.type("1");
    kit.key(kVKeyBack);
    kit.type("120.0");
    kit.key(kVKeyReturn);
    EXPECT_STREQ(entry->getText(), "120.0");
    EXPECT_TRUE(kit.listener.reports.empty());

    kit.click(kInField);
    kit.type("77");
    kit.click({20, 20});
    EXPECT_STREQ(entry->getText(), "77");
    // The text was reported before the press reached the other control.
    ASSERT_EQ(kit.listener.reports.size(), 2u);
    EXPECT_EQ(kit.listener.reports[0].tag, 63);
    EXPECT_FLOAT_EQ(other->getValue(), 1.0f);
    kit.click(kInField);
    kit.type("5");
    kit.frame().onFocusLost();
    EXPECT_FALSE(entry->isEditing());
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

}  // namespace
