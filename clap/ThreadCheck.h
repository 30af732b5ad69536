// CLAP says which calls belong to the host's main thread and which to its
// audio thread. Builds with ZARVOLINE_CLAP_THREAD_CHECKS (Debug and the
// sanitizer builds) ask the host's thread-check extension, when it offers
// one, and stop with a message naming the call made on the wrong thread, so
// a host's mistake or ours shows at once instead of as a rare race.
#pragma once

#include <clap/ext/thread-check.h>

class ThreadCheck {
public:
    void attach(const clap_host_t* host);
    void mainThread(const char* call) const;
    void audioThread(const char* call) const;

private:
    const clap_host_t* host_ = nullptr;
    const clap_host_thread_check_t* check_ = nullptr;
};
