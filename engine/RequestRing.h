// The engine's request queue: a bounded ring with any number of producers
// (the user-interface thread, MIDI on the audio thread) and the audio thread
// as its one consumer. Each slot carries a sequence number that says whose
// turn it is, so producers claim slots with one compare-and-swap and nothing
// ever waits. A full ring refuses the request and says so, once, to the
// consumer, who then starts the loop over as the safest way to come back to
// a known state.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "engine/EngineRequest.h"

class RequestRing {
public:
    static constexpr uint32_t kCapacity = 1024;  // a power of two

    RequestRing() {
        for (uint32_t i = 0; i < kCapacity; ++i) slots_[i].sequence.store(i, std::memory_order_relaxed);
    }

    bool push(const EngineRequest& request) noexcept {
        uint32_t position = tail_.load(std::memory_order_relaxed);
        for (;;) {
            Slot& slot = slots_[position & (kCapacity - 1)];
            const uint32_t sequence = slot.sequence.load(std::memory_order_acquire);
            const int32_t lag = static_cast<int32_t>(sequence - position);
            if (lag == 0) {
                if (tail_.compare_exchange_weak(position, position + 1, std::memory_order_relaxed)) {
                    slot.request = request;
                    slot.sequence.store(position + 1, std::memory_order_release);
                    return true;
                }
            } else if (lag < 0) {
                overflowed_.store(true, std::memory_order_relaxed);
                return false;
            } else {
                position = tail_.load(std::memory_order_relaxed);
            }
        }
    }

    // Consumer only: the next request, if one is complete.
    bool pop(EngineRequest& request) noexcept {
        Slot& slot = slots_[head_ & (kCapacity - 1)];
        if (slot.sequence.load(std::memory_order_acquire) != head_ + 1) return false;
        request = slot.request;
        slot.sequence.store(head_ + kCapacity, std::memory_order_release);
        ++head_;
        return true;
    }

    // Consumer only: whether a request was refused since the last call.
    bool takeOverflow() noexcept { return overflowed_.exchange(false, std::memory_order_relaxed); }

private:
    struct Slot {
        std::atomic<uint32_t> sequence{0};
        EngineRequest request;
    };
    Slot slots_[kCapacity];
    std::atomic<uint32_t> tail_{0};
    uint32_t head_ = 0;
    std::atomic<bool> overflowed_{false};
};
