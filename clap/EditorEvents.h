// The user's edits in the window on their way to the host: gesture begin,
// each value, gesture end, in the order made. The editor's thread (the main
// thread) writes; whoever tells the host next reads: the audio thread in
// process, or the main thread in flush while nothing is processed. A fixed
// ring, no lock; a full ring (a host that stopped flushing) drops the newest.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

struct EditorEvent {
    enum Kind : uint16_t { kBegin, kValue, kEnd } kind;
    uint16_t param;
    double value;  // the host's value, for kValue
};

class EditorEvents {
public:
    bool push(const EditorEvent& event) {
        const uint32_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == kSize) return false;
        ring_[tail % kSize] = event;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }
    // The oldest event not taken, or false when there is none.
    bool peek(EditorEvent& event) const {
        const uint32_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire)) return false;
        event = ring_[head % kSize];
        return true;
    }
    void pop() { head_.store(head_.load(std::memory_order_relaxed) + 1, std::memory_order_release); }

private:
    static constexpr uint32_t kSize = 512;
    std::array<EditorEvent, kSize> ring_{};
    std::atomic<uint32_t> head_{0};
    std::atomic<uint32_t> tail_{0};
};
