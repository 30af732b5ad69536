// The queue of commands that wait for the Rec Sync grid: three at most, run
// in order, and safe with a producer on another thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
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
    std::vector<DeferredCommand> run;
    // Each program change queues a Record request of its own, as a program
    // change under Rec Sync does; with the queue full it is dropped.
    auto execute = [&](const DeferredCommand& command) {
        run.push_back(command);
        if (command.kind == kDeferredProgramChange) queue.push(kDeferredRecord, 10 + command.value);
    };
    queue.drain(execute);
    ASSERT_EQ(run.size(), 3u);
    EXPECT_EQ(run[0].kind, kDeferredProgramChange);
    EXPECT_EQ(run[0].value, 7);
    EXPECT_EQ(run[1].kind, kDeferredRecord);
    EXPECT_EQ(run[1].value, 1);
    EXPECT_EQ(run[2].value, 3);
    EXPECT_EQ(queue.pending(), 0);

    // Emptied, it takes commands again, and those queued during the pass run in it.
    run.clear();
    EXPECT_TRUE(queue.push(kDeferredProgramChange, 2));
    queue.drain(execute);
    ASSERT_EQ(run.size(), 2u);
    EXPECT_EQ(run[1].kind, kDeferredRecord);
    EXPECT_EQ(run[1].value, 12);
    EXPECT_EQ(queue.pending(), 0);
}

// A producer thread pushes numbered commands, retrying while the queue is
// full, as this thread drains: every command arrives once, in order.
TEST(DeferredQueue, AProducerOnAnotherThreadLosesNothingItWasToldWasQueued) {
    constexpr int32_t kCommands = 20000;
    DeferredQueue queue;
    std::atomic<bool> stop{false};  // set if the consumer gives up, so join never hangs
    std::thread producer([&] {
        for (int32_t i = 0; i < kCommands && !stop; ++i)
            while (!queue.push(kDeferredProgramChange, i) && !stop) std::this_thread::yield();
    });
    std::vector<int32_t> received;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (received.size() < size_t{kCommands} && std::chrono::steady_clock::now() < deadline) {
        const size_t before = received.size();
        queue.drain([&](const DeferredCommand& command) { received.push_back(command.value); });
        if (received.size() == before) std::this_thread::yield();
    }
    stop = true;
    producer.join();
    ASSERT_EQ(received.size(), size_t{kCommands});
    for (int32_t i = 0; i < kCommands; ++i) ASSERT_EQ(received[i], i);
    EXPECT_EQ(queue.pending(), 0);
}

}  // namespace
