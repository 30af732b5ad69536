// A private X server for window tests: a bare Xvfb (no window manager) on a
// display number it picks itself, started for the test and stopped after
// it. DISPLAY points at it while it runs, so the plug-in's own connection
// finds it as it would find a host's.
#pragma once

#include <sys/types.h>

#include <string>

class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return !name.empty(); }
    const std::string& displayName() const { return name; }

private:
    pid_t pid = -1;
    std::string name;
};
