// Commands that wait for the Rec Sync grid: program changes requested by MIDI
// notes (audio thread) and Record switched on under Rec Sync (any thread).
// A fixed array of three; producers claim a slot with one compare-and-swap,
// fill it and mark it ready; the audio thread runs ready entries in order and
// empties the queue once everything claimed has been run. A producer caught
// between claiming and marking leaves its entry for the next pass.
#pragma once

#include <atomic>
#include <cstdint>

#include "common/Relaxed.h"

enum DeferredKind : int32_t {
    kDeferredProgramChange = 0,
    kDeferredRecord = 1,
};

struct DeferredCommand {
    int32_t value;
    int32_t kind;
};

class DeferredQueue {
public:
    static constexpr int32_t kCapacity = 3;

    // Appends a command; false (dropped) when three are already pending.
    bool push(int32_t kind, int32_t value) noexcept;

    // Number of commands claimed and not yet run.
    int32_t pending() const noexcept {
        return count_.load(std::memory_order_acquire) - head_;
    }

    // Runs every ready command in order, including those queued while it runs,
    // then empties the queue. Audio thread only.
    template <typename Run>
    void drain(Run&& run) noexcept {
        for (;;) {
            int32_t claimed = count_.load(std::memory_order_acquire);
            if (head_ < claimed) {
                Slot& slot = slots_[head_];
                if (!slot.ready.load(std::memory_order_acquire)) return;  // being written
                const DeferredCommand command{slot.value, slot.kind};
                slot.ready.store(false, std::memory_order_relaxed);
                ++head_;
                run(command);
                continue;
            }
            if (count_.compare_exchange_strong(claimed, 0, std::memory_order_acq_rel)) {
                head_ = 0;
                return;
            }
        }
    }

private:
    struct Slot {
        Relaxed<int32_t> value{0};
        Relaxed<int32_t> kind{0};
        std::atomic<bool> ready{false};
    };
    Slot slots_[kCapacity];
    std::atomic<int32_t> count_{0};  // slots claimed since the queue was last emptied
    int32_t head_ = 0;               // slots already run; audio thread only
};
