// What ends a walk from outside a step: a watchdog thread for a step that
// runs too long, and the crash report. Both name the seed, the step and what
// it did, and the command that replays the walk up to that step.
//
// The watchdog measures the walking thread's processor time, so that a busy
// machine does not fail a step that merely waited its turn; a step that
// blocks (a deadlock, a wait on the X server) is caught by its wall-clock
// time, at twenty times the limit. The sanitizers slow everything down: the
// limit is a second, 5 s under AddressSanitizer, 10 s under ThreadSanitizer.
// A sanitizer's report ends the walk through its death callback; the
// undefined-behaviour checker (a runtime of its own beside AddressSanitizer's)
// is asked to abort instead, which the SIGABRT handler reports.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <thread>

#include "tests/validator/Fuzz.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#include <sanitizer/common_interface_defs.h>
#define ZARVOLINE_FUZZ_SANITIZED 1
#endif

namespace validator::fuzz {

namespace {

constexpr double kWallFactor = 20.0;
constexpr auto kLookInterval = std::chrono::milliseconds(50);

uint64_t walkSeed = 0;
char replayPlugin[400] = "";
clockid_t walkerClock;
std::atomic<long> currentStep{0};
std::atomic<int> currentAction{0};
std::atomic<int64_t> stepWallStart{0};
std::atomic<int64_t> stepCpuStart{0};

std::mutex stopMutex;
std::condition_variable stopSignal;
bool stopping = false;
std::thread watchdog;

int64_t nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

}  // namespace

// The failure line and the replay line, with write() alone: this also runs
// in a signal handler.
void failStep(const char* why) {
    const long step = currentStep.load();
    char text[1024];
    const int length = std::snprintf(
        text, sizeof text, "FAIL fuzz seed %llu step %ld (%s): %s\nreplay: zarvoline-validate --fuzz %llu %ld %s\n",
        static_cast<unsigned long long>(walkSeed), step, actionName(static_cast<Action>(currentAction.load())), why,
        static_cast<unsigned long long>(walkSeed), step, replayPlugin);
    if (length > 0) (void)!write(STDOUT_FILENO, text, static_cast<size_t>(std::min<int>(length, sizeof text - 1)));
    _exit(1);
}

namespace {

void look() {
    const double limit = stepLimitSeconds();
    std::unique_lock<std::mutex> lock(stopMutex);
    while (!stopSignal.wait_for(lock, kLookInterval, [] { return stopping; })) {
        const double cpu = double(nanoseconds(walkerClock) - stepCpuStart.load()) * 1e-9;
        const double wall = double(nanoseconds(CLOCK_MONOTONIC) - stepWallStart.load()) * 1e-9;
        char why[128];
        if (cpu > limit) {
            std::snprintf(why, sizeof why, "hung: the step ran over %.0f s of processor time", limit);
            failStep(why);
        }
        if (wall > limit * kWallFactor) {
            std::snprintf(why, sizeof why, "hung: the step blocked for over %.0f s", limit * kWallFactor);
            failStep(why);
        }
    }
}

#if defined(ZARVOLINE_FUZZ_SANITIZED)
void onSanitizerReport() { failStep("the sanitizer's report is above"); }
#endif
void onCrash(int signal) { failStep(strsignal(signal)); }

}  // namespace

double stepLimitSeconds() {
#if defined(__SANITIZE_THREAD__)
    return 10.0;
#elif defined(__SANITIZE_ADDRESS__)
    return 5.0;
#else
    return 1.0;
#endif
}

const char* actionName(Action action) {
    switch (action) {
        case Action::kCreate: return "creating an instance";
        case Action::kClose: return "closing an instance";
        case Action::kDispatch: return "an opcode";
        case Action::kParameter: return "setParameter";
        case Action::kProcess: return "processing a block";
        case Action::kTime: return "changing the time information";
        case Action::kMidi: return "sending MIDI";
        case Action::kEditor: return "the editor";
        case Action::kExit: return "the exit after the walk";
    }
    return "?";
}

void watchSteps(uint64_t seed, const std::string& plugin) {
    walkSeed = seed;
    std::snprintf(replayPlugin, sizeof replayPlugin, "%s", plugin.c_str());
    pthread_getcpuclockid(pthread_self(), &walkerClock);
    stepStarts(0, Action::kCreate);
#if defined(ZARVOLINE_FUZZ_SANITIZED)
    __sanitizer_set_death_callback(onSanitizerReport);
    std::signal(SIGABRT, onCrash);  // the sanitizers keep the other crash signals
#else
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(signal, onCrash);
#endif
    watchdog = std::thread(look);
}

void stepStarts(long step, Action action) {
    currentStep = step;
    currentAction = static_cast<int>(action);
    stepCpuStart = nanoseconds(walkerClock);
    stepWallStart = nanoseconds(CLOCK_MONOTONIC);
}

void stepsEnd() {
    currentAction = static_cast<int>(Action::kExit);  // what the leak checker finds comes after the steps
    {
        std::lock_guard<std::mutex> lock(stopMutex);
        stopping = true;
    }
    stopSignal.notify_all();
    if (watchdog.joinable()) watchdog.join();
}

}  // namespace validator::fuzz

#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((visibility("default"))) const char* __ubsan_default_options() {
    return "abort_on_error=1:print_stacktrace=1";
}
#endif
