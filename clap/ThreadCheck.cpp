#include "clap/ThreadCheck.h"

#include <cstdio>
#include <cstdlib>

namespace {

#ifdef ZARVOLINE_CLAP_THREAD_CHECKS
constexpr bool kChecking = true;
#else
constexpr bool kChecking = false;
#endif

[[noreturn]] void wrongThread(const char* call, const char* thread) {
    std::fprintf(stderr, "zarvoline.clap: %s called off the %s thread\n", call, thread);
    std::abort();
}

}  // namespace

void ThreadCheck::attach(const clap_host_t* host) {
    host_ = host;
    check_ = kChecking && host && host->get_extension
                 ? static_cast<const clap_host_thread_check_t*>(
                       host->get_extension(host, CLAP_EXT_THREAD_CHECK))
                 : nullptr;
}

void ThreadCheck::mainThread(const char* call) const {
    if (kChecking && check_ && check_->is_main_thread && !check_->is_main_thread(host_))
        wrongThread(call, "main");
}

void ThreadCheck::audioThread(const char* call) const {
    if (kChecking && check_ && check_->is_audio_thread && !check_->is_audio_thread(host_))
        wrongThread(call, "audio");
}
