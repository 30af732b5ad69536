// The loop picture: where levels are stored, how they are drawn in the
// whole and the zoomed view, the cursor line, and the click that zooms.
#include <gtest/gtest.h>

#include <string>

#include "editor/LoopScope.h"
#include "tests/widgets/KitHarness.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr Rect kScopeRect{10, 20, 110, 102};  // 100 x 82: two images of 41
const Color kLevel{118, 57, 48, 255};
const Color kCursor{255, 0, 0, 255};

struct LoopScopeTest : ::testing::Test {
    KitHarness kit;
    LoopScope* scope = nullptr;

    void SetUp() override {
        Bitmap* frames = makeStrip(100, 41, 2);
        scope = kit.add(new LoopScope(kScopeRect, &kit.listener, 3, frames));
        frames->forget();
        kit.idle();
    }
    Color at(int x, int y) { return pictureColorAt(kit.frame(), {kScopeRect.left + x, kScopeRect.top + y}); }
    void redraw() {
        scope->setDirty();
        kit.idle();
    }
};

TEST_F(LoopScopeTest, StoresSamplesInsideTheBufferAndDrawsBarsAndCursorInTheWholeView) {
    scope->setSample(0.5f, 0.3f);
    scope->setSample(0.0f, 0.9f);  // index -1: nothing stored
    scope->setCursor(0.5f);
    EXPECT_FALSE(scope->isDirty());  // marks wait for a redraw
    EXPECT_FLOAT_EQ(scope->level(511), 0.3f);
    EXPECT_FLOAT_EQ(scope->level(0), 0.0f);
    scope->clearSamples();
    EXPECT_FLOAT_EQ(scope->level(511), 0.0f);
    scope->setScopeText(std::string(300, 'x').c_str());  // only the text asks for a redraw
    EXPECT_TRUE(scope->isDirty());
    EXPECT_EQ(std::string(scope->getScopeText()).size(), 127u);
    scope->setScopeText("");

    // Column 10 of the whole view shows entry truncate(10 * 10.24) = 102.
    scope->setSample(103.0f / 1024.0f, 2.0f);
    redraw();
    EXPECT_FLOAT_EQ(scope->level(102), 1.0f);  // stored back as full scale
    for (int y : {2, 20, 37}) EXPECT_EQ(at(12, y), kLevel) << y;  // full height: the inside of the frame
    EXPECT_EQ(at(12, 1), colourOfImage(0));
    EXPECT_EQ(at(13, 20), colourOfImage(0));  // an empty entry draws nothing
    EXPECT_EQ(at(50, 10), kCursor);
    EXPECT_EQ(at(50, 1), colourOfImage(0));
}

TEST_F(LoopScopeTest, ClickSwitchesToTheEntriesAroundTheCursorAndNeverReports) {
    scope->setCursor(0.5f);  // entry 512 at column 48
    scope->setSample(513.0f / 1024.0f, 0.5f);
    kit.click({50, 40});
    EXPECT_FALSE(scope->isZoomedOut());
    kit.idle();
    EXPECT_EQ(at(30, 30), colourOfImage(1));  // the zoomed frame
    EXPECT_EQ(at(2 + 48, 18), kCursor);       // the cursor in the middle
    scope->setCursor(0.5f - 1.0f / 1024.0f);  // entry 512 moves one column right
    redraw();
    EXPECT_EQ(at(2 + 49, 20), kLevel);
    EXPECT_EQ(at(2 + 49, 20 - 9), kLevel);  // half level: 9 of 18 pixels upwards
    EXPECT_EQ(at(2 + 49, 20 - 10), colourOfImage(1));
    kit.click({50, 40}, kRButton);  // the right button does nothing
    EXPECT_FALSE(scope->isZoomedOut());
    kit.click({50, 40});
    EXPECT_TRUE(scope->isZoomedOut());
    EXPECT_TRUE(kit.listener.reports.empty());
}

}  // namespace
