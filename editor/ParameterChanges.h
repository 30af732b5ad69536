// Which parameters changed since the editor last looked. The plug-in reports
// changes from any thread, the audio thread included, so marking one is a
// single lock-free atomic operation; the editor takes the whole set on its
// next idle pass and reads the new values from the plug-in then.
#pragma once

#include <atomic>
#include <cstdint>

class ParameterChanges {
public:
    static constexpr int kTracked = 64;  // indices 0 to 63: parameters, status values, commands

    void mark(int index) {
        if (index >= 0 && index < kTracked)
            bits.fetch_or(uint64_t{1} << index, std::memory_order_release);
    }
    // The indices marked since the last call, as bits, and none after it.
    uint64_t takeAll() { return bits.exchange(0, std::memory_order_acquire); }

private:
    std::atomic<uint64_t> bits{0};
    static_assert(std::atomic<uint64_t>::is_always_lock_free, "marking must never lock");
};
