// What a host shows of a plug-in: its identity, parameters and programs.
#pragma once

#include <cstdio>

#include "plugin/vst2.h"

void printHostView(AEffect* effect, std::FILE* out);
