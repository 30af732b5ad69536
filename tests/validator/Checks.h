// The areas of a validation run. Each adds its checks to the report, making
// every instance it needs from the library's entry point.
#pragma once

#include "tests/validator/Report.h"
#include "tools/host/PluginLibrary.h"

namespace validator {

void checkLifecycle(PluginEntry entry, Report& report);
void checkDispatcher(PluginEntry entry, Report& report);
void checkParameters(PluginEntry entry, Report& report);
void checkProcessing(PluginEntry entry, Report& report);
void checkRealTime(PluginEntry entry, Report& report);
void checkState(PluginEntry entry, Report& report);

}  // namespace validator
