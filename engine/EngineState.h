// The loop recorder's and player's moving parts, and the host timing they
// follow. The audio thread advances them frame by frame; Record, Clear and
// Rewind reset them from whichever thread sets those parameters.
#pragma once

#include <cstdint>

#include "params/ParameterIds.h"
#include "params/Relaxed.h"

// Which way the play cursor runs.
enum PlayDirection : int32_t { kPlayForward = 0, kPlayBackward = 2 };

// The Direction setting: how each play of a slice runs.
enum DirectionMode : int32_t { kDirectionForward = 0, kDirectionAlter = 1, kDirectionReverse = 2 };

struct EngineState {
    Relaxed<float> engaged{0.0f};  // 1.0 while switched on by Record, else dry
    Relaxed<int32_t> recordPos{kMaxLoopSamples};
    Relaxed<int32_t> recordedLength{0};
    Relaxed<int32_t> framesWritten{0};  // the loop buffers hold silence from here on
    Relaxed<int32_t> playIndex{0};  // moves one frame per output frame
    Relaxed<double> playPos{0.0};   // moves pitchRatio frames per output frame
    Relaxed<float> sliceStart{0.0f};
    Relaxed<int32_t> sliceEnd{kMaxLoopSamples};
    Relaxed<int32_t> playDirection{0};  // 0 forward, 2 backward
    Relaxed<int32_t> repeatsLeft{1};
    Relaxed<int32_t> divisionCount{1};
    Relaxed<int32_t> divisionCountdown{1};
    Relaxed<int32_t> shufflePhase{0};
    Relaxed<int32_t> recOffsetCountdown{0};
    Relaxed<int32_t> pitchLfoTime{0};
    Relaxed<int32_t> engineTicks{0};
    Relaxed<float> pitchRatio{1.0f};
    Relaxed<int32_t> blendRemaining{0};
    Relaxed<float> blendStep{0.0f};
    Relaxed<float> blendPhase{0.0f};
    Relaxed<int32_t> blendReadIndex{0};
    Relaxed<float> levelSum{0.0f};
    Relaxed<float> levelCount{0.0f};
    Relaxed<int32_t> levelCountdown{0};
    Relaxed<int32_t> modulatorStep{0};
    // While Release is held nothing restarts, yet the slices pass by at their
    // length: frames into the current one, -1 while Release is not held.
    Relaxed<int32_t> releasePosition{-1};

    // Filter design and its modulation.
    Relaxed<float> filterLfoPhase{0.0f};
    Relaxed<double> filterFreqHz{0.0};
    Relaxed<double> filterGainDb{0.0};
    Relaxed<double> filterBandwidth{0.0};
    Relaxed<int32_t> filterSampleRate{44100};  // the rate the running design was made for
    Relaxed<bool> filterHistoryStale{false};   // to be cleared by the audio thread

    // Host timing, refreshed once per block.
    Relaxed<int32_t> songPosition{0};
    Relaxed<int32_t> hostSampleRate{44100};
    Relaxed<int32_t> hostTempo{120};
    Relaxed<int32_t> samplesPerBar{88200};
    Relaxed<int32_t> glideLength{kMaxLoopSamples};
};
