#include "engine/DeferredQueue.h"

bool DeferredQueue::push(int32_t kind, int32_t value) noexcept {
    int32_t claimed = count_.load(std::memory_order_relaxed);
    do {
        if (claimed >= kCapacity) return false;
    } while (!count_.compare_exchange_weak(claimed, claimed + 1, std::memory_order_acq_rel));
    Slot& slot = slots_[claimed];
    slot.value = value;
    slot.kind = kind;
    slot.ready.store(true, std::memory_order_release);
    return true;
}
