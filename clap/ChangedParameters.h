// Which parameters changed since the host was last told, marked from any
// thread (the audio thread included) and collected by the one that tells the
// host. One bit per parameter in one atomic word: no lock, no allocation.
#pragma once

#include <atomic>
#include <cstdint>

#include "params/ParameterIds.h"

static_assert(kNumParams <= 64, "one bit per parameter in a 64-bit word");

class ChangedParameters {
public:
    void mark(int index) {
        if (index >= 0 && index < kNumParams)
            bits_.fetch_or(uint64_t{1} << index, std::memory_order_relaxed);
    }
    // The marked parameters, as bits, cleared for the next round.
    uint64_t take() { return bits_.exchange(0, std::memory_order_relaxed); }

private:
    std::atomic<uint64_t> bits_{0};
};
