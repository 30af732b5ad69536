// A Linux host's side of the editor window: the built plug-in loaded with
// dlopen, a host window on a private X server, and only the dispatcher's
// editor opcodes. Waits are bounded loops of round trips, never sleeps.
#pragma once

// gtest first: Xlib defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "tests/host/TestHost.h"
#include "tests/widgets/X11Session.h"

struct EditorWindow : ::testing::Test {
    X11Session session;
    TestHost host;
    std::unique_ptr<PluginInstance> plugin;

    void SetUp() override {
        ASSERT_TRUE(session.ready());
        plugin = std::make_unique<PluginInstance>(host);
    }
    void* hostWindow() const { return reinterpret_cast<void*>(static_cast<uintptr_t>(session.hostWindow)); }
    VstIntPtr open() { return plugin->dispatch(effEditOpen, 0, 0, hostWindow()); }
    void idle() {
        session.flush();
        plugin->dispatch(effEditIdle);
    }
    // Idles the editor, as a host does, until `done` holds; false if it never does.
    bool idleUntil(const std::function<bool()>& done, int limit = 1000) {
        return session.pumpUntil([&] { plugin->dispatch(effEditIdle); }, done, limit);
    }
    void cycle() {
        ASSERT_EQ(open(), 1);
        idle();
        idle();
        plugin->dispatch(effEditClose);
    }
};
