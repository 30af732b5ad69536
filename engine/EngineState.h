// The loop recorder's and player's moving parts, and the host timing they
// follow. Only the audio thread touches them: requests from other threads
// reach them through the engine's request queue.
#pragma once

#include <cstdint>

#include "params/ParameterIds.h"

// Which way the play cursor runs.
enum PlayDirection : int32_t { kPlayForward = 0, kPlayBackward = 2 };

// The Direction setting: how each play of a slice runs.
enum DirectionMode : int32_t { kDirectionForward = 0, kDirectionAlter = 1, kDirectionReverse = 2 };

struct EngineState {
    float engaged = 0.0f;  // 1.0 while switched on by Record, else dry
    int32_t recordPos = kMaxLoopSamples;
    int32_t recordedLength = 0;
    int32_t framesWritten = 0;  // the loop buffers hold silence from here on
    int32_t playIndex = 0;  // moves one frame per output frame
    double playPos = 0.0;   // moves pitchRatio frames per output frame
    float sliceStart = 0.0f;
    int32_t sliceEnd = kMaxLoopSamples;
    int32_t playDirection = 0;  // 0 forward, 2 backward
    int32_t repeatsLeft = 1;
    int32_t divisionCount = 1;
    int32_t divisionCountdown = 1;
    int32_t shufflePhase = 0;
    int32_t recOffsetCountdown = 0;
    int32_t pitchLfoTime = 0;
    int32_t engineTicks = 0;
    float pitchRatio = 1.0f;
    int32_t blendRemaining = 0;
    float blendStep = 0.0f;
    float blendPhase = 0.0f;
    int32_t blendReadIndex = 0;
    float levelSum = 0.0f;
    float levelCount = 0.0f;
    int32_t levelCountdown = 0;
    int32_t modulatorStep = 0;
    // While Release is held nothing restarts, yet the slices pass by at their
    // length: frames into the current one, -1 while Release is not held.
    int32_t releasePosition = -1;

    // Filter design and its modulation.
    float filterLfoPhase = 0.0f;
    double filterFreqHz = 0.0;
    double filterGainDb = 0.0;
    double filterBandwidth = 0.0;
    int32_t filterSampleRate = 44100;  // the rate the running design was made for

    // A MIDI note playing the loop at its pitch.
    bool noteHeld = false;
    int32_t heldNote = 60;

    // Host timing, refreshed once per block.
    int32_t songPosition = 0;
    int32_t hostSampleRate = 44100;
    int32_t hostTempo = 120;
    int32_t samplesPerBar = 88200;
    int32_t glideLength = kMaxLoopSamples;
};
