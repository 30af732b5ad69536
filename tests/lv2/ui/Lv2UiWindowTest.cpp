// The editor as an LV2 user interface in a real X window: the bundle's UI
// binary loaded by a small host of ours under a host window on a private
// Xvfb, idled through ui:idleInterface, driven with real pointer events
// (XTest), and wired to a DSP instance through ports and messages only, as
// LV2 hosts wire them. Waits are bounded loops of round trips, never sleeps.
#include <gtest/gtest.h>
#include <malloc.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

#include "lv2/PortLayout.h"
#include "tests/lv2/Lv2Host.h"
#include "tests/lv2/Lv2TestSignals.h"
#include "tests/lv2/ui/Lv2UiHost.h"
// Xlib last: it defines macros (None, Bool) that clash with names in gtest
// and the LV2 headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "tests/widgets/WindowTraces.h"
#include "tests/widgets/X11Session.h"

namespace {

constexpr uint32_t kBlock = 256;
constexpr int kSize = 400;

struct Lv2UiWindow : ::testing::Test {
    X11Session session;
    lv2_test::World world;
    lv2_test::Instance dsp{world};
    lv2_test::Stereo input = lv2_test::testSignal(kBlock);
    std::vector<float> left = std::vector<float>(kBlock), right = std::vector<float>(kBlock);

    void SetUp() override {
        ASSERT_TRUE(session.ready());
        ASSERT_TRUE(dsp.valid());
        dsp.activate();
    }
    // One block of the DSP, then its event output handed to the editor, as a host's
    // user-interface thread does between the audio thread's blocks.
    void block(lv2_test::UiInstance& ui) {
        dsp.run(input.left.data(), input.right.data(), left.data(), right.data(), kBlock);
        ui.forwardNotifications();
        dsp.takeNotices();
    }
    bool idleUntil(lv2_test::UiInstance& ui, const std::function<bool()>& done, int limit = 1000) {
        return session.pumpUntil([&] {
            block(ui);
            ui.idle();
        }, done, limit);
    }
    std::vector<uint32_t> screenshot(Window window, int x, int y, int width, int height) {
        std::vector<uint32_t> pixels;
        if (XImage* image = XGetImage(session.display, window, x, y, width, height, AllPlanes, ZPixmap)) {
            for (int row = 0; row < height; ++row)
                for (int column = 0; column < width; ++column)
                    pixels.push_back(static_cast<uint32_t>(XGetPixel(image, column, row) & 0xFFFFFF));
            XDestroyImage(image);
        }
        return pixels;
    }
    void cycle() {
        lv2_test::UiInstance ui(world, session.hostWindow, &dsp);
        ASSERT_TRUE(ui.valid());
        ui.idle();
        block(ui);
        ui.idle();
    }
};

TEST_F(Lv2UiWindow, OpensInsideTheHostWindowAsItsWidgetAndAsksTheDspForEveryValue) {
    const int clients = session.clientCount();
    {
        lv2_test::UiInstance ui(world, session.hostWindow, &dsp);
        ASSERT_TRUE(ui.valid());
        const std::vector<Window> children = session.childrenOf(session.hostWindow);
        ASSERT_EQ(children.size(), 1u);
        EXPECT_EQ(ui.widget(), children[0]);
        XWindowAttributes attributes;
        ASSERT_TRUE(XGetWindowAttributes(session.display, children[0], &attributes));
        EXPECT_EQ(attributes.width, kSize);
        EXPECT_EQ(attributes.height, kSize);
        EXPECT_EQ(attributes.map_state, IsViewable);
        EXPECT_EQ(ui.sendAllRequests, 1);
        EXPECT_EQ(ui.idle(), 0);
    }
    // Closed: nothing of it is left on the server.
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());
    EXPECT_EQ(session.clientCount(), clients);
    // Without a parent window there is no editor.
    lv2_test::UiInstance orphan(world, 0, &dsp);
    EXPECT_FALSE(orphan.valid());
}

TEST_F(Lv2UiWindow, AKnobDraggedWithThePointerReachesTheDspPortBetweenTouches) {
    lv2_test::UiInstance ui(world, session.hostWindow, &dsp);
    ASSERT_TRUE(ui.valid());
    ui.portEvent(kGate, 0.5f);
    dsp.setControl(kGate, 0.5f);
    ASSERT_TRUE(idleUntil(ui, [] { return true; }));
    session.movePointer(20, 231);  // the Gate knob
    session.button(Button1, true);
    ASSERT_TRUE(idleUntil(ui, [&] { return !ui.touches.empty(); }));
    for (int y = 228; y >= 180; y -= 8) session.movePointer(20 + (228 - y) / 2, y);
    ASSERT_TRUE(idleUntil(ui, [&] {
        for (const lv2_test::PortWrite& w : ui.writes)
            if (w.port == kGate && w.value != 0.5f) return true;
        return false;
    }));
    session.button(Button1, false);
    ASSERT_TRUE(idleUntil(ui, [&] { return ui.touches.size() >= 2; }));
    EXPECT_EQ(ui.touches.front().port, static_cast<uint32_t>(kGate));
    EXPECT_TRUE(ui.touches.front().grabbed);
    EXPECT_EQ(ui.touches.back().port, static_cast<uint32_t>(kGate));
    EXPECT_FALSE(ui.touches.back().grabbed);
    float last = -1.0f;
    for (const lv2_test::PortWrite& w : ui.writes)
        if (w.port == kGate) last = w.value;
    ASSERT_NE(last, 0.5f);
    // The DSP plays the value the editor wrote last: it tells it back when asked.
    dsp.queueSendAll();
    dsp.run(input.left.data(), input.right.data(), left.data(), right.data(), kBlock);
    float told = -1.0f;
    for (const lv2_test::Notice& n : dsp.takeNotices())
        if (n.index == kGate) told = n.value;
    EXPECT_EQ(told, last);
}

TEST_F(Lv2UiWindow, APortValueTheHostSendsMovesTheKnob) {
    lv2_test::UiInstance ui(world, session.hostWindow, &dsp);
    ASSERT_TRUE(ui.valid());
    const Window window = static_cast<Window>(ui.widget());
    ui.portEvent(kGate, 0.0f);
    std::vector<uint32_t> before;
    ASSERT_TRUE(idleUntil(ui, [&] {
        before = screenshot(window, 8, 219, 25, 25);
        return !before.empty();
    }));
    ui.portEvent(kGate, 1.0f);
    EXPECT_TRUE(idleUntil(ui, [&] { return screenshot(window, 8, 219, 25, 25) != before; }, 100));
    // No write goes back for a value the host sent.
    for (const lv2_test::PortWrite& w : ui.writes) EXPECT_NE(w.port, static_cast<uint32_t>(kGate));
}

TEST_F(Lv2UiWindow, ARightClickOnAKnobArmsLearningInTheDsp) {
    lv2_test::UiInstance ui(world, session.hostWindow, &dsp);
    ASSERT_TRUE(ui.valid());
    ASSERT_TRUE(idleUntil(ui, [] { return true; }));
    session.movePointer(20, 231);  // the Gate knob
    session.button(Button3, true);
    session.button(Button3, false);
    ASSERT_TRUE(idleUntil(ui, [&] { return !ui.commands.empty(); }));
    EXPECT_EQ(ui.commands.front().index, kCmdLearnKnob);
    EXPECT_EQ(ui.commands.front().value, static_cast<float>(kGate));
    // The DSP learnt it: the next controller drives the Gate.
    block(ui);
    dsp.takeNotices();
    dsp.queueMidi(0xB0, 33, 127);
    dsp.run(input.left.data(), input.right.data(), left.data(), right.data(), kBlock);
    float gate = -1.0f;
    for (const lv2_test::Notice& n : dsp.takeNotices())
        if (n.index == kGate) gate = n.value;
    EXPECT_EQ(gate, 1.0f);
}

TEST_F(Lv2UiWindow, OpeningAndClosingThirtyTimesLeavesNothingBehind) {
    cycle();  // the first window fills the caches (fonts, pictures) for good
    const WindowTraces before = WindowTraces::before(session);
    for (int i = 0; i < 30; ++i) cycle();
    expectNothingLeftBehind(before, WindowTraces::after(session), 30);
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());
}

}  // namespace
