// The factory programs' names, whole. A program keeps 23 characters of its
// name (the VST 2 limit); formats that show presets by their own names (LV2)
// show them all.
#pragma once

#include "params/ProgramRecord.h"

int factoryPresetCount();
// Preset i is written into program i; null outside 0 .. count - 1.
const char* factoryPresetName(int preset);
// Writes the preset into a record: its name, and its values over a fresh
// record's (program 0's loop length, which an instance takes from the host's
// tempo as it is made, stays the fresh 0).
void writeFactoryPreset(int preset, ProgramRecord& record);
