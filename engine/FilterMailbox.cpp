#include "engine/FilterMailbox.h"

void FilterMailbox::publish(bool active, const BiquadCoefficients& k) noexcept {
    for (;;) {
        Slot& slot = slots_[nextSlot_.fetch_add(1, std::memory_order_relaxed) % kSlots];
        uint32_t sequence = slot.sequence.load(std::memory_order_relaxed);
        if ((sequence & 1u) != 0) continue;  // another writer is filling this one
        if (!slot.sequence.compare_exchange_strong(sequence, sequence + 1,
                                                   std::memory_order_acquire))
            continue;
        slot.active.store(active, std::memory_order_release);
        const double c[6] = {k.c0, k.c1, k.c2, k.c3, k.c4, k.peakGain};
        for (int i = 0; i < 6; ++i) slot.c[i].store(c[i], std::memory_order_release);
        slot.sequence.store(sequence + 2, std::memory_order_release);
        latest_.store(static_cast<uint32_t>(&slot - slots_), std::memory_order_release);
        version_.fetch_add(1, std::memory_order_release);
        return;
    }
}

bool FilterMailbox::fetch(uint32_t& seen, bool& active, BiquadCoefficients& k) const noexcept {
    const uint32_t version = version_.load(std::memory_order_acquire);
    if (version == seen) return false;
    const Slot& slot = slots_[latest_.load(std::memory_order_acquire)];
    const uint32_t before = slot.sequence.load(std::memory_order_acquire);
    if ((before & 1u) != 0) return false;
    const bool newActive = slot.active.load(std::memory_order_acquire);
    double c[6];
    for (int i = 0; i < 6; ++i) c[i] = slot.c[i].load(std::memory_order_acquire);
    if (slot.sequence.load(std::memory_order_relaxed) != before) return false;  // try next frame
    BiquadCoefficients copy;
    copy.c0 = c[0];
    copy.c1 = c[1];
    copy.c2 = c[2];
    copy.c3 = c[3];
    copy.c4 = c[4];
    copy.peakGain = c[5];
    active = newActive;
    k = copy;
    seen = version;
    return true;
}
