// Pitch: which entry of the semitone table the Pitch knob and the vibrato
// select. Host-free; the plug-in turns the index into a read speed.
#pragma once

#include <cstdint>

#include "common/Truncate.h"

// The table index for the Pitch value, with the vibrato applied when both
// Pitch rel and Pitch hold are non-zero; lfoTime counts engaged frames.
int32_t pitchIndex(float pitch, float hold, float rel, int32_t lfoTime);
