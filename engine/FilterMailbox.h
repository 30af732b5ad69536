// Hands filter designs to the audio thread whole. A design may be made on the
// user-interface thread (a filter knob moved) or on the audio thread (the
// filter's modulation grid), while the audio thread runs the filter. Each
// design is written into a free slot that no reader is being pointed at, then
// published in one step; the reader checks the slot's sequence number around
// its copy and keeps its previous design if a writer got in between. Nothing
// waits, nothing locks, and no fence is needed (the thread sanitizer cannot
// follow fences).
#pragma once

#include <atomic>
#include <cstdint>

#include "engine/Biquad.h"

class FilterMailbox {
public:
    // Publishes a design, or "no filter" when active is false.
    void publish(bool active, const BiquadCoefficients& coefficients) noexcept;

    // Copies the latest design into active/coefficients when it changed since
    // `seen`; answers whether it did. Called by the audio thread.
    bool fetch(uint32_t& seen, bool& active, BiquadCoefficients& coefficients) const noexcept;

private:
    static constexpr uint32_t kSlots = 4;
    // The fields are written with release and read with acquire order: a
    // reader that sees any field of a design being written also sees the odd
    // sequence number that marks it, so a torn copy is always detected.
    struct Slot {
        std::atomic<uint32_t> sequence{0};  // odd while being written
        std::atomic<bool> active{false};
        std::atomic<double> c[6] = {};  // the coefficients and the peak gain
    };
    Slot slots_[kSlots];
    std::atomic<uint32_t> nextSlot_{0};
    std::atomic<uint32_t> latest_{0};    // slot index of the newest design
    std::atomic<uint32_t> version_{0};   // counts publications
};
