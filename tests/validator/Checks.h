// The areas of a validation run, each adding its checks to the report and
// making every instance it needs from the library's entry point, and what
// their checks share. A check answers why it failed, or nothing.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <ranges>

#include "tests/validator/Report.h"
#include "tests/validator/ValidatorHost.h"

namespace validator {

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
