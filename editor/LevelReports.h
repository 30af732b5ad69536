// Level reports on their way from the engine to the loop scope. The engine
// reports from the audio thread every 513 frames, the editor draws only when
// the host idles it, many reports later; each report waits here until the
// idle pass takes it, so the scope shows the whole loop.
//
// A fixed ring without a lock. A writer claims a slot with one
// compare-and-swap, fills it and publishes it with its stamp: the audio
// thread writes nearly every report, but Rewind and Clear report from the
// host's thread, so two writers may meet. The idle thread is the only reader;
// it takes published slots in order and hands each slot back once read. A
// full ring (a host that stopped idling) drops the newest reports.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "common/Relaxed.h"

// A level and where the loop stood when it was measured (fractions of the
// loop buffer, as the status values give them).
struct LevelReport {
    float level;
    float playPos;
    float recordPos;
    float recordedLength;
};

class LevelReports {
public:
    static constexpr uint32_t kCapacity = 64;  // a second and more of reports at 44.1 kHz

    // False when the ring is full and the report is dropped.
    bool push(const LevelReport& report) noexcept {
        uint32_t at = claimed.load(std::memory_order_relaxed);
        do {
            if (at - taken.load(std::memory_order_acquire) >= kCapacity) return false;
        } while (!claimed.compare_exchange_weak(at, at + 1, std::memory_order_relaxed));
        Slot& slot = slots[at % kCapacity];
        slot.level = report.level;
        slot.playPos = report.playPos;
        slot.recordPos = report.recordPos;
        slot.recordedLength = report.recordedLength;
        slot.stamp.store(at + 1, std::memory_order_release);
        return true;
    }

    // Hands every published report to `take`, oldest first. One reader only.
    template <typename Take>
    void drain(Take&& take) noexcept {
        uint32_t at = taken.load(std::memory_order_relaxed);
        for (;;) {
            const Slot& slot = slots[at % kCapacity];
            if (slot.stamp.load(std::memory_order_acquire) != at + 1) return;  // not written yet
            take(LevelReport{slot.level, slot.playPos, slot.recordPos, slot.recordedLength});
            taken.store(++at, std::memory_order_release);
        }
    }

private:
    struct Slot {
        Relaxed<float> level, playPos, recordPos, recordedLength;
        std::atomic<uint32_t> stamp{0};  // 1 + the number of the report it holds
    };
    static_assert((uint64_t{1} << 32) % kCapacity == 0, "slots must follow the counters across their wrap");

    std::array<Slot, kCapacity> slots{};
    std::atomic<uint32_t> claimed{0};  // reports claimed since the start
    std::atomic<uint32_t> taken{0};    // reports read since the start
};
