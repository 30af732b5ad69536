// Values the editor must hear of: every value the plug-in set or changed by
// itself (Record falling back when the buffer is full, a MIDI controller, a
// program a note recalled), and the engine's level reports. Any thread posts;
// run() sends what is pending to the editor. Only the latest value of each
// index is kept: the editor shows values, not their history. A fixed array of
// atomics, so posting never allocates, locks or waits.
#pragma once

#include <atomic>

class ValueNotices {
public:
    // The whole index space of setParameter: parameters, status values, commands.
    static constexpr int kIndices = 64;

    void post(int index, float value) {
        if (index < 0 || index >= kIndices) return;
        values[index].store(value, std::memory_order_relaxed);
        pending[index].store(true, std::memory_order_release);
    }

    // Calls send(index, value) for each pending index, in index order, until
    // send answers false (no room left): that index and the rest stay pending.
    template <typename Send>
    void drain(Send&& send) {
        for (int i = 0; i < kIndices; ++i) {
            if (!pending[i].exchange(false, std::memory_order_acquire)) continue;
            if (!send(i, values[i].load(std::memory_order_relaxed))) {
                pending[i].store(true, std::memory_order_relaxed);
                return;
            }
        }
    }

private:
    std::atomic<float> values[kIndices] = {};
    std::atomic<bool> pending[kIndices] = {};
};
