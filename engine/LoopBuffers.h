// The two loop buffers, left and right. They are mapped from the system as
// zero pages, so an instance takes memory only for what it has recorded: an
// idle instance costs nothing, a recorded second about 350 kB.
#pragma once

#include <cstdint>

#include "params/ParameterIds.h"

class LoopBuffers {
public:
    static constexpr int32_t kCapacity = kSampleBufferFrames;

    LoopBuffers();
    ~LoopBuffers();
    LoopBuffers(const LoopBuffers&) = delete;
    LoopBuffers& operator=(const LoopBuffers&) = delete;

    bool whole() const { return left != nullptr; }

    // Silence again in the first `frames` frames (what a take wrote).
    void clear(int32_t frames);

    float* left = nullptr;
    float* right = nullptr;
};
