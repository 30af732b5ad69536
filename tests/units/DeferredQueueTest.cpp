// The queue of commands that wait for the Rec Sync grid: three at most, run
// in order, and safe with a producer on another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <utility>
#include <vector>

#include "engine/DeferredQueue.h"

namespace {

TEST(DeferredQueue, RunsInOrderHoldsThreeAndRunsWhatIsQueuedWhileDraining) {
    DeferredQueue queue;
    EXPECT_TRUE(queue.push(kDeferredProgramChange, 7));
    EXPECT_TRUE(queue.push(kDeferredRecord, 1));
    EXPECT_TRUE(queue.push(kDeferredProgramChange, 3));
    EXPECT_FALSE(queue.push(kDeferredProgramChange, 9));  // a fourth is dropped
    EXPECT_EQ(queue.pending(), 3);
    using Commands = std::vector<std::pair<int32_t, int32_t>>;  // kind, value
    Commands run;
    // Each program change queues a Record request of its own, as a program
    // change under Rec Sync does; with the queue full it is dropped.
    auto execute = [&](const DeferredCommand& command) {
        run.emplace_back(command.kind, command.value);
        if (command.kind == kDeferredProgramChange) queue.push(kDeferredRecord, 10 + command.value);
    };
    queue.drain(execute);
    EXPECT_EQ(run, (Commands{{kDeferredProgramChange, 7}, {kDeferredRecord, 1},
                             {kDeferredProgramChange, 3}}));
    EXPECT_EQ(queue.pending(), 0);

    // Emptied, it takes commands again, and those queued during the pass run in it.
    run.clear();
    EXPECT_TRUE(queue.push(kDeferredProgramChange, 2));
    queue.drain(execute);
    EXPECT_EQ(run, (Commands{{kDeferredProgramChange, 2}, {kDeferredRecord, 12}}));
    EXPECT_EQ(queue.pending(), 0);
}

// A producer thread pushes numbered commands, retrying while the queue is
// full, as this thread drains: every command arrives once, in order.
TEST(DeferredQueue, AProducerOnAnotherThreadLosesNothingItWasToldWasQueued) {
    constexpr int32_t kCommands = 20000;
    DeferredQueue queue;
    std::atomic<bool> produced{false};
    std::thread producer([&] {
        for (int32_t i = 0; i < kCommands; ++i)
            while (!queue.push(kDeferredProgramChange, i)) std::this_thread::yield();
        produced = true;
    });
    std::vector<int32_t> received;
    for (bool last = false; !last;) {
        last = produced;  // one more pass after the producer's last push
        queue.drain([&](const DeferredCommand& command) { received.push_back(command.value); });
    }
    producer.join();
    ASSERT_EQ(received.size(), size_t{kCommands});
    for (int32_t i = 0; i < kCommands; ++i) ASSERT_EQ(received[i], i);
    EXPECT_EQ(queue.pending(), 0);
}

}  // namespace
