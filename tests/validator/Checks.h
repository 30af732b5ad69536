// A validation run: checks grouped in areas, each area making every instance
// it needs from the library's entry point. A check answers why it failed, or
// nothing; an exception it lets out is a failure too.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <ranges>

#include "tests/validator/ValidatorHost.h"

namespace validator {

// One line per check ("PASS name", "FAIL name: why" or "SKIP name (why)"),
// then "N passed, N failed". A check named as an expected failure prints
// XFAIL and is not counted when it fails, and XPASS, counted as failed, when
// it passes.
class Report {
public:
    explicit Report(std::vector<std::string> expectedFailures);
    void run(const std::string& name, const std::function<std::string()>& check);
    void skip(const std::string& name, const std::string& why);
    int finish() const;  // the exit code: 1 if anything failed

private:
    int passed_ = 0, failed_ = 0;
    std::vector<std::string> expectedFailures_;
};

void checkLifecycle(PluginEntry entry, Report& report);
void checkDispatcher(PluginEntry entry, Report& report);
void checkParameters(PluginEntry entry, Report& report);
void checkProcessing(PluginEntry entry, Report& report);
void checkRealTime(PluginEntry entry, Report& report);
void checkState(PluginEntry entry, Report& report);

// The first fault `check` finds going through `items`, or empty.
template <class Items, class Check> std::string firstFault(const Items& items, Check check) {
    for (const auto& item : items)
        if (std::string why = check(item); !why.empty()) return why;
    return {};
}
template <class T, class Check> std::string firstFault(std::initializer_list<T> items, Check check) {
    return firstFault<std::initializer_list<T>, Check>(items, check);
}

// 0 to `end` - 1; nothing for a count a broken record makes negative.
inline auto upTo(int end) { return std::views::iota(0, std::max(end, 0)); }

// `why` after what it happened in; empty when there was no fault.
inline std::string within(const std::string& context, const std::string& why) {
    return why.empty() ? why : context + ": " + why;
}

}  // namespace validator
