// What the editor's value displays need besides the value itself: the host's
// tempo and sample rate as last asked, the pitch table for note names, and
// the status values of the last level report. Each editor has its own, and
// hands it to its displays' text functions as their user data, so that
// several instances in one host never format with each other's data.
#pragma once

#include "engine/PitchTable.h"

struct DisplayContext {
    static constexpr float kDefaultTempo = 120.0f;
    static constexpr float kDefaultSampleRate = 44100.0f;

    float tempo = kDefaultTempo;                                   // BPM
    float sampleRate = kDefaultSampleRate;                         // Hz
    float samplesPerBar = kDefaultSampleRate * 240.0f / kDefaultTempo;
    PitchTable pitchTable;
    // Play position, record position and recorded length of the last level report.
    float lastPlayPos = 0.0f;
    float lastRecordPos = 0.0f;
    float lastRecordedLength = 0.0f;
};
