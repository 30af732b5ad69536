// The declarative part of every parameter: what the host shows as its name
// and unit, where a program keeps its value, and the value of a fresh program.
#pragma once

#include "params/ParameterIds.h"

struct ParameterInfo {
    const char* name;
    const char* label;
    int slot;            // float slot of ProgramRecord
    float freshValue;    // value of that slot in a fresh record
};

extern const ParameterInfo kParameterTable[kNumParams];

inline bool isParameter(int index) { return index >= 0 && index < kNumParams; }
