// The host's side of an editor window in the walk: a connection of its own
// to the X server that DISPLAY names, a top-level window per instance for the
// plug-in to open its editor in, and a look at the screen's top-level windows
// to catch a plug-in that makes one of its own. Xlib stays inside the .cpp.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>

struct _XDisplay;

namespace validator::fuzz {

class HostWindows {
public:
    // Null when DISPLAY is not set or names no server that answers.
    static std::unique_ptr<HostWindows> connect();
    ~HostWindows();
    HostWindows(const HostWindows&) = delete;
    HostWindows& operator=(const HostWindows&) = delete;

    const std::string& name() const { return name_; }
    uintptr_t root() const { return root_; }
    // A new 400 x 400 window, mapped, as a host's editor frame.
    uintptr_t create();
    void destroy(uintptr_t window);
    // The top-level windows shown on the screen now (libraries keep unmapped
    // ones of their own: cairo makes one per connection).
    std::set<uintptr_t> shownTopLevel();
    // Reads and drops every event that reached our connection.
    void drain();

private:
    explicit HostWindows(_XDisplay* display);
    _XDisplay* display_;
    uintptr_t root_;
    std::string name_;
};

}  // namespace validator::fuzz
