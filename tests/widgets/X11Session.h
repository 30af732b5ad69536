// The test's side of an X session: its own connection to the private
// server, a top-level window standing in for a host's, and real input sent
// with XTest. Waits are bounded loops of round trips to the server, never
// sleeps.
#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <vector>

#include "tests/widgets/XvfbServer.h"

class X11Session {
public:
    X11Session();
    ~X11Session();

    bool ready() const { return display != nullptr; }
    Display* display = nullptr;
    Window hostWindow = 0;  // 400 x 400 at the top-left of the screen

    // Makes sure everything sent so far has reached the server and every
    // event it caused has been sent out to its clients.
    void flush();
    // Runs `step` (an idle call) and checks `done` after each round trip,
    // at most `limit` times; true once `done` held.
    bool pumpUntil(const std::function<void()>& step, const std::function<bool()>& done,
                   int limit = 1000);

    void movePointer(int x, int y);
    void button(unsigned int button, bool press);
    void key(unsigned long keysym, bool press);
    void typeText(const char* text);

    std::vector<Window> childrenOf(Window window);
    void destroyHostWindow();
    // A fresh host window, for a test that destroyed the first one.
    void createHostWindow();
    // How many clients the server has, and how many resources they hold in all.
    int clientCount();
    long resourceCount();

private:
    static XvfbServer& server();
};
