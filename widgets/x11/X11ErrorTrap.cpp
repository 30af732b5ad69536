#include "widgets/x11/X11ErrorTrap.h"

#include <mutex>
#include <vector>

namespace x11ErrorTrap {
namespace {

struct Trapped {
    Display* display;
    int lastError;
};

std::mutex mutex;  // editors of different plug-in instances may live on different threads
std::vector<Trapped> trapped;
XErrorHandler previousHandler = nullptr;

int handleError(Display* display, XErrorEvent* error) {
    XErrorHandler chained = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (Trapped& entry : trapped) {
            if (entry.display == display) {
                entry.lastError = error->error_code;
                return 0;
            }
        }
        chained = previousHandler;
    }
    return chained ? chained(display, error) : 0;
}

}  // namespace

void add(Display* display) {
    std::lock_guard<std::mutex> lock(mutex);
    if (trapped.empty()) previousHandler = XSetErrorHandler(handleError);
    trapped.push_back({display, 0});
}

void remove(Display* display) {
    std::lock_guard<std::mutex> lock(mutex);
    for (auto it = trapped.begin(); it != trapped.end(); ++it) {
        if (it->display == display) {
            trapped.erase(it);
            break;
        }
    }
    if (!trapped.empty()) return;
    // Put the old handler back, unless someone installed theirs after ours.
    XErrorHandler current = XSetErrorHandler(previousHandler);
    if (current != handleError) XSetErrorHandler(current);
    previousHandler = nullptr;
}

int takeLastError(Display* display) {
    std::lock_guard<std::mutex> lock(mutex);
    for (Trapped& entry : trapped) {
        if (entry.display == display) {
            const int error = entry.lastError;
            entry.lastError = 0;
            return error;
        }
    }
    return 0;
}

}  // namespace x11ErrorTrap
