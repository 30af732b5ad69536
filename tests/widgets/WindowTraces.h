// What windows may leave behind once closed: X clients and the resources
// they hold on the server, open files, and heap in use. A window test takes
// one count after a first window (which fills the caches of fonts and
// pictures for good) and another after many more, and expects no growth.
#pragma once

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "tests/widgets/X11Session.h"

struct WindowTraces {
    int clients = 0;
    long resources = 0;
    int files = 0;
    size_t heap = 0;

    // Counting asks the server and reads /proc, which allocates: the heap is
    // taken after the counts before the windows, and ahead of them after,
    // so what counting itself keeps is never charged to the windows.
    static WindowTraces before(X11Session& session) {
        WindowTraces traces = counts(session);
        traces.heap = mallinfo2().uordblks;
        return traces;
    }
    static WindowTraces after(X11Session& session) {
        const size_t heap = mallinfo2().uordblks;
        WindowTraces traces = counts(session);
        traces.heap = heap;
        return traces;
    }

private:
    static WindowTraces counts(X11Session& session) {
        return {session.clientCount(), session.resourceCount(),
                static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {})), 0};
    }
};

// `after`, taken once `windows` windows were opened and closed since
// `before`, shows nothing left behind.
inline void expectNothingLeftBehind(const WindowTraces& before, const WindowTraces& after, int windows) {
    EXPECT_EQ(after.clients, before.clients) << "X clients after " << windows << " windows";
    EXPECT_EQ(after.resources, before.resources) << "X resources after " << windows << " windows";
    EXPECT_EQ(after.files, before.files) << "open files after " << windows << " windows";
#if !defined(__SANITIZE_ADDRESS__)
    // glibc's per-thread cache holds up to 7 freed blocks of each of its 64
    // sizes, and counts them as in use. With the cache off (ctest turns it off
    // for the window tests) a closed window must give back every byte; with
    // it on, only more than the cache can hold shows a leak. The sanitizer
    // build checks every byte with its leak checker instead.
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    const bool exact = tunables && std::strstr(tunables, "tcache_count=0");
    constexpr size_t kThreadCacheBytes = 7 * 64 * 1040;
    EXPECT_LE(after.heap, before.heap + (exact ? 0 : kThreadCacheBytes)) << "bytes kept after " << windows << " windows";
#endif
}
