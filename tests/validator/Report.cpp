#include "tests/validator/Report.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <unistd.h>

namespace validator {

// A plug-in that crashes takes the validator with it; the report still names
// the check that was running. The sanitizers keep their own handlers, which
// say more.
static const char* volatile runningCheck = nullptr;

[[maybe_unused]] static void onCrash(int signal) {
    char line[512];
    const int length = std::snprintf(line, sizeof line, "FAIL %s: crashed (%s)\n",
                                     runningCheck ? runningCheck : "loading", strsignal(signal));
    if (length > 0) (void)!write(STDOUT_FILENO, line, static_cast<size_t>(length));
    _exit(1);
}

Report::Report(std::vector<std::string> expectedFailures) : expectedFailures_(std::move(expectedFailures)) {
#if !defined(ZARVOLINE_SANITIZED)
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(signal, onCrash);
#endif
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

void Report::run(const std::string& name, const std::function<std::string()>& check) {
    std::string why;
    runningCheck = name.c_str();
    try {
        why = check();
    } catch (const std::exception& error) {
        why = error.what();
    }
    runningCheck = nullptr;
    const bool expected = std::ranges::count(expectedFailures_, name) > 0, failed = !why.empty();
    if (!failed && !expected) ++passed_;
    if (failed != expected) ++failed_;
    if (!failed && expected) why = "expected to fail";
    const char* verdict = failed ? (expected ? "XFAIL" : "FAIL") : (expected ? "XPASS" : "PASS");
    std::printf("%s %s%s%s\n", verdict, name.c_str(), why.empty() ? "" : ": ", why.c_str());
}

void Report::skip(const std::string& name, const std::string& why) {
    std::printf("SKIP %s (%s)\n", name.c_str(), why.c_str());
}

int Report::finish() const {
    std::printf("%d passed, %d failed\n", passed_, failed_);
    return failed_ == 0 ? 0 : 1;
}

}  // namespace validator
