// The kit in a real X11 window inside a host's window, driven by real
// pointer, wheel and key events.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/widgets/KitHarness.h"
#include "tests/widgets/X11Session.h"
#include "widgets/StripKnob.h"
#include "widgets/TextEntry.h"
#include "widgets/headless/HeadlessWindow.h"
#include "widgets/x11/X11Window.h"

namespace {

constexpr Rect kKnobRect{100, 100, 125, 125};

struct X11Kit : ::testing::Test {
    X11Session session;
    std::unique_ptr<KitHarness> kit;
    StripKnob* knob = nullptr;

    void SetUp() override {
        ASSERT_TRUE(session.ready());
        kit = std::make_unique<KitHarness>(createX11Window,
                                           reinterpret_cast<void*>(session.hostWindow));
        ASSERT_NE(kit->editor->getFrame(), nullptr);
        Bitmap* strip = makeStrip(25, 25, 19);
        knob = kit->add(new StripKnob(kKnobRect, &kit->listener, 21, 19, 25, strip));
        strip->forget();
        knob->setValue(0.2f);
        kit->editor->setKnobMode(2);
        idle();
    }
    void TearDown() override {
        if (kit) kit->editor->setKnobMode(0);
        kit.reset();
    }
    void idle() { session.pumpUntil([&] { kit->idle(); }, [] { return true; }, 1); }
    bool pumpUntil(const std::function<bool()>& done) {
        return session.pumpUntil([&] { kit->idle(); }, done);
    }
};

TEST_F(X11Kit, ADragWithRealEventsMovesTheKnobAndReportsAsItShould) {
    session.movePointer(112, 112);
    session.button(1, true);
    ASSERT_TRUE(pumpUntil([&] { return kit->frame().isTracking(); }));
    session.movePointer(112, 12);
    ASSERT_TRUE(pumpUntil([&] { return knob->getValue() > 0.69f; }));
    EXPECT_NEAR(knob->getValue(), 0.7f, 1e-5);
    // The pointer is grabbed during the drag: moves outside the window still count.
    session.movePointer(112, 500);
    ASSERT_TRUE(pumpUntil([&] { return knob->getValue() == 0.0f; }));
    session.button(1, false);
    ASSERT_TRUE(pumpUntil([&] { return !kit->frame().isTracking(); }));
    ASSERT_FALSE(kit->listener.reports.empty());
    EXPECT_EQ(kit->listener.reports.back().buttons, 0);  // the report after letting go
    EXPECT_EQ(kit->editOpcodes(), (std::vector<VstInt32>{audioMasterBeginEdit, audioMasterEndEdit}));
}

TEST_F(X11Kit, ShiftAndTheWheelArriveAsTheKitsFlags) {
    session.movePointer(112, 112);
    session.key(XK_Shift_L, true);
    session.button(1, true);
    ASSERT_TRUE(pumpUntil([&] { return kit->frame().isTracking(); }));
    session.movePointer(112, 12);
    ASSERT_TRUE(pumpUntil([&] { return knob->getValue() > 0.5f; }));
    EXPECT_NEAR(knob->getValue(), 0.2f + 1.0f / 3.0f, 1e-5);
    session.button(1, false);
    session.key(XK_Shift_L, false);
    ASSERT_TRUE(pumpUntil([&] { return !kit->frame().isTracking(); }));

    const float before = knob->getValue();
    session.movePointer(112, 112);  // the wheel turns what is under the pointer
    session.button(4, true);        // wheel up
    session.button(4, false);
    ASSERT_TRUE(pumpUntil([&] { return knob->getValue() != before; }));
    EXPECT_NEAR(knob->getValue(), before + 0.1f, 1e-5);
}

TEST_F(X11Kit, TypedKeysReachAnOpenTextField) {
    auto* entry = kit->add(new TextEntry({200, 200, 260, 216}, &kit->listener, 63, "120.0"));
    idle();
    session.movePointer(230, 208);
    session.button(1, true);
    session.button(1, false);
    ASSERT_TRUE(pumpUntil([&] { return entry->isEditing(); }));
    session.movePointer(10, 390);  // keys follow the field, not the pointer
    session.typeText("140");
    session.key(XK_Return, true);
    session.key(XK_Return, false);
    ASSERT_TRUE(pumpUntil([&] { return !entry->isEditing(); }));
    EXPECT_STREQ(entry->getText(), "140");
    EXPECT_EQ(kit->listener.reports.size(), 1u);
}

TEST_F(X11Kit, TheWindowShowsThePicture) {
    const std::vector<Window> children = session.childrenOf(session.hostWindow);
    ASSERT_EQ(children.size(), 1u);
    for (Point p : {Point{112, 112}, Point{5, 5}, Point{399, 399}}) {
        const Color c = pictureColorAt(kit->frame(), p);
        const unsigned long expected = (c.red << 16) | (c.green << 8) | c.blue;
        EXPECT_EQ(session.pixel(children[0], p.h, p.v), expected) << p.h << "," << p.v;
    }
}

}  // namespace
