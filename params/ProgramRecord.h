// One program: the stored value of every parameter it holds, by slot, and its
// name. Slots may be written from the audio thread (MIDI controllers, program
// changes on the Rec Sync grid) while the host reads them, hence Relaxed.
#pragma once

#include "params/ParameterTable.h"
#include "common/Relaxed.h"

constexpr int kProgramSlots = 73;
constexpr int kProgramNameSize = 24;  // 23 characters and the terminator

struct ProgramRecord {
    ProgramRecord();

    Relaxed<float> slots[kProgramSlots];
    char name[kProgramNameSize];

    float value(int parameter) const { return slots[kParameterTable[parameter].slot]; }
    void setValue(int parameter, float v) { slots[kParameterTable[parameter].slot] = v; }
    // Stores at most 23 characters of text.
    void setName(const char* text);
};
