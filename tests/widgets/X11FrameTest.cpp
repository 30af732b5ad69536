// What only a real X11 window adds to the kit: the pointer grab during a
// drag, and Shift and the wheel arriving as the kit's flags. (Clicks, knob
// drags, typed text and the picture shown are checked on the editor window.)
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/widgets/KitHarness.h"
#include "tests/widgets/X11Session.h"
#include "widgets/StripKnob.h"
#include "widgets/x11/X11Window.h"

namespace {

TEST(X11Kit, ShiftDragOutsideTheWindowAndTheWheelArriveAsTheKitsEvents) {
    X11Session session;
    ASSERT_TRUE(session.ready());
    KitHarness kit(createX11Window, session.hostWindow);
    ASSERT_NE(kit.editor->getFrame(), nullptr);
    Bitmap* strip = makeStrip(25, 25, 19);
    auto* knob = kit.add(new StripKnob({100, 100, 125, 125}, &kit.listener, 21, 19, 25, strip));
    strip->forget();
    knob->setValue(0.2f);
    kit.editor->setKnobMode(2);  // linear
    const auto pumpUntil = [&](const std::function<bool()>& done) {
        return session.pumpUntil([&] { kit.idle(); }, done);
    };

    session.movePointer(112, 112);
    session.key(XK_Shift_L, true);
    session.button(1, true);
    ASSERT_TRUE(pumpUntil([&] { return kit.frame().isTracking(); }));
    session.movePointer(112, 12);
    ASSERT_TRUE(pumpUntil([&] { return knob->getValue() > 0.5f; }));
    EXPECT_NEAR(knob->getValue(), 0.2f + 1.0f / 3.0f, 1e-5);  // Shift: 300 pixels per range
    // The pointer is grabbed during the drag: moves outside the window still count.
    session.movePointer(112, 500);
    ASSERT_TRUE(pumpUntil([&] { return knob->getValue() == 0.0f; }));
    session.button(1, false);
    session.key(XK_Shift_L, false);
    ASSERT_TRUE(pumpUntil([&] { return !kit.frame().isTracking(); }));
    ASSERT_FALSE(kit.listener.reports.empty());
    EXPECT_EQ(kit.listener.reports.back().buttons & kAnyMouseButton, 0);  // the report after letting go
    EXPECT_EQ(kit.edits, (std::vector<EditCall>{kBeginEdit, kEndEdit}));

    session.movePointer(112, 112);  // the wheel turns what is under the pointer
    session.button(4, true);        // wheel up
    session.button(4, false);
    ASSERT_TRUE(pumpUntil([&] { return knob->getValue() != 0.0f; }));
    EXPECT_NEAR(knob->getValue(), 0.1f, 1e-5);
    kit.editor->setKnobMode(0);
}

TEST(X11Kit, TheOpenWindowNamesItselfAsTheHostWindowsChild) {
    X11Session session;
    ASSERT_TRUE(session.ready());
    KitHarness kit(createX11Window, session.hostWindow);
    ASSERT_NE(kit.editor->getFrame(), nullptr);
    const std::vector<Window> children = session.childrenOf(session.hostWindow);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(kit.editor->nativeWindow(), children[0]);
    kit.editor->close();
    EXPECT_EQ(kit.editor->nativeWindow(), 0u);
}

}  // namespace
