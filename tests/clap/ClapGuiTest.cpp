// The editor through the gui extension, in real windows on a private Xvfb:
// made under the host's window, shown, driven by the host's timer, a click
// and a drag with XTest reaching the host as gesture and value events
// through request_flush and flush, destroyed without a trace, and made and
// destroyed many times without growth.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstring>
#include <functional>

#include "params/ParameterIds.h"
#include "tests/clap/ClapTestHost.h"
#include "tests/widgets/WindowTraces.h"
#include "tests/widgets/X11Session.h"

namespace {

struct ClapGui : ::testing::Test {
    X11Session session;
    ClapTestHost host;
    std::unique_ptr<ClapInstance> instance;
    const clap_plugin_gui_t* gui = nullptr;
    const clap_plugin_timer_support_t* timer = nullptr;

    void SetUp() override {
        ASSERT_TRUE(session.ready());
        instance = std::make_unique<ClapInstance>(host);
        gui = instance->extension<clap_plugin_gui_t>(CLAP_EXT_GUI);
        timer = instance->extension<clap_plugin_timer_support_t>(CLAP_EXT_TIMER_SUPPORT);
        ASSERT_NE(gui, nullptr);
        ASSERT_NE(timer, nullptr);
    }
    const clap_plugin_t* plugin() const { return instance->plugin(); }
    bool createAndShow() {
        clap_window_t window{CLAP_WINDOW_API_X11, {}};
        window.x11 = session.hostWindow;
        return gui->create(plugin(), CLAP_WINDOW_API_X11, false) && gui->set_parent(plugin(), &window) &&
               gui->show(plugin());
    }
    // The host's timers firing once, as its event loop runs them.
    void fireTimers() {
        for (const auto& [id, period] : host.timers) timer->on_timer(plugin(), id);
    }
    bool idleUntil(const std::function<bool()>& done) {
        return session.pumpUntil([&] { fireTimers(); }, done);
    }
    void cycle() {
        ASSERT_TRUE(createAndShow());
        session.flush();
        fireTimers();
        fireTimers();
        gui->destroy(plugin());
    }
};

TEST_F(ClapGui, EmbeddedX11At400By400UnderTheHostsWindowAndGoneWhenDestroyed) {
    EXPECT_TRUE(gui->is_api_supported(plugin(), CLAP_WINDOW_API_X11, false));
    EXPECT_FALSE(gui->is_api_supported(plugin(), CLAP_WINDOW_API_X11, true));
    EXPECT_FALSE(gui->is_api_supported(plugin(), CLAP_WINDOW_API_WIN32, false));
    const char* api = nullptr;
    bool floating = true;
    ASSERT_TRUE(gui->get_preferred_api(plugin(), &api, &floating));
    EXPECT_STREQ(api, CLAP_WINDOW_API_X11);
    EXPECT_FALSE(floating);
    EXPECT_FALSE(gui->create(plugin(), CLAP_WINDOW_API_X11, true));
    EXPECT_FALSE(gui->create(plugin(), CLAP_WINDOW_API_COCOA, false));

    ASSERT_TRUE(gui->create(plugin(), CLAP_WINDOW_API_X11, false));
    uint32_t width = 0, height = 0;
    ASSERT_TRUE(gui->get_size(plugin(), &width, &height));
    EXPECT_EQ(width, 400u);
    EXPECT_EQ(height, 400u);
    EXPECT_FALSE(gui->can_resize(plugin()));
    EXPECT_FALSE(gui->set_scale(plugin(), 2.0));
    EXPECT_TRUE(gui->set_size(plugin(), 400, 400));
    EXPECT_FALSE(gui->set_size(plugin(), 800, 600));
    ASSERT_EQ(host.timers.size(), 1u);
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());  // nothing before a parent

    clap_window_t window{CLAP_WINDOW_API_X11, {}};
    window.x11 = session.hostWindow;
    ASSERT_TRUE(gui->set_parent(plugin(), &window));
    ASSERT_TRUE(gui->show(plugin()));
    session.flush();
    const std::vector<Window> children = session.childrenOf(session.hostWindow);
    ASSERT_EQ(children.size(), 1u);
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(session.display, children[0], &attributes));
    EXPECT_EQ(attributes.width, 400);
    EXPECT_EQ(attributes.height, 400);
    fireTimers();

    ASSERT_TRUE(gui->hide(plugin()));
    session.flush();
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());
    ASSERT_TRUE(gui->show(plugin()));
    session.flush();
    EXPECT_EQ(session.childrenOf(session.hostWindow).size(), 1u);

    gui->destroy(plugin());
    session.flush();
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());
    EXPECT_TRUE(host.timers.empty());
}

// The events the window sent the host for one parameter, in order.
std::vector<PushedEvent> eventsFor(const ClapOutputEvents& out, clap_id param) {
    std::vector<PushedEvent> events;
    for (const PushedEvent& event : out.events())
        if (event.param == param) events.push_back(event);
    return events;
}

TEST_F(ClapGui, AClickAndADragReachTheHostAsGesturesAndValuesThroughFlush) {
    ASSERT_TRUE(createAndShow());
    session.flush();
    fireTimers();
    ClapOutputEvents out;
    ClapEventList none;
    const auto flush = [&] { instance->params().flush(plugin(), none.input(), out.output()); };

    // Record: one click, one gesture with the new value.
    instance->setByFlush(kRecord, 0.0);
    out.clear();
    const int requests = host.flushRequests;
    session.movePointer(373, 154);
    session.button(Button1, true);
    session.button(Button1, false);
    ASSERT_TRUE(idleUntil([&] { return instance->value(kRecord) == 1.0; }));
    EXPECT_GT(host.flushRequests, requests);
    flush();
    const auto record = eventsFor(out, kRecord);
    ASSERT_EQ(record.size(), 3u);
    EXPECT_EQ(record[0].type, CLAP_EVENT_PARAM_GESTURE_BEGIN);
    EXPECT_EQ(record[1].type, CLAP_EVENT_PARAM_VALUE);
    EXPECT_EQ(record[1].value, 1.0);
    EXPECT_EQ(record[2].type, CLAP_EVENT_PARAM_GESTURE_END);

    // The Gate knob dragged: a gesture, the values on the way, the end.
    out.clear();
    const double before = instance->value(kGate);
    session.movePointer(20, 231);
    session.button(Button1, true);
    ASSERT_TRUE(idleUntil([&] {
        flush();
        return !eventsFor(out, kGate).empty();
    }));
    for (int y = 225; y >= 160; y -= 13) session.movePointer(40, y);
    ASSERT_TRUE(idleUntil([&] { return instance->value(kGate) != before; }));
    session.button(Button1, false);
    ASSERT_TRUE(idleUntil([&] {
        flush();
        const auto gate = eventsFor(out, kGate);
        return !gate.empty() && gate.back().type == CLAP_EVENT_PARAM_GESTURE_END;
    }));
    const auto gate = eventsFor(out, kGate);
    ASSERT_GE(gate.size(), 3u);
    EXPECT_EQ(gate.front().type, CLAP_EVENT_PARAM_GESTURE_BEGIN);
    for (size_t i = 1; i + 1 < gate.size(); ++i) EXPECT_EQ(gate[i].type, CLAP_EVENT_PARAM_VALUE) << i;
    EXPECT_EQ(gate[gate.size() - 2].value, instance->value(kGate));  // the last value sent is the value held
    gui->destroy(plugin());
}

TEST_F(ClapGui, ThirtyWindowsLeaveNoXResourcesFilesOrMemoryBehind) {
    cycle();  // the first window fills the caches (fonts, pictures) for good
    const WindowTraces before = WindowTraces::before(session);
    constexpr int kCycles = 30;
    for (int i = 0; i < kCycles; ++i) cycle();
    expectNothingLeftBehind(before, WindowTraces::after(session), kCycles);
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());
    EXPECT_TRUE(host.timers.empty());
}

}  // namespace
