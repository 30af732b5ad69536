// The audio thread's rules on the LV2 path: run() allocates nothing, whatever
// arrives with the block (port changes, MIDI, time, the editor's commands and
// requests), and it keeps to them while another thread saves the state.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "lv2/PortLayout.h"
#include "tests/validator/CountedAllocations.h"
#include "tests/lv2/Lv2Host.h"
#include "tests/lv2/Lv2TestSignals.h"


namespace {

constexpr uint32_t kBlock = 128;

// What a block brings, varied by its number: every kind of input the DSP reads.
void feedBlock(lv2_test::Instance& plugin, int block) {
    plugin.setControl(block % kNumParams, static_cast<float>(block % 7) / 6.0f);
    if (block % 3 == 0) plugin.queueMidi(0xB0, static_cast<uint8_t>(block % 128), static_cast<uint8_t>(block % 127));
    if (block % 5 == 0) plugin.queueMidi(block % 10 == 0 ? 0x90 : 0x80, 60, 100);
    if (block % 11 == 0)
        plugin.queuePosition(block * kBlock, block % 22 == 0 ? 0.0f : 1.0f, 90.0f + block % 60, block % 33 == 0);
    if (block % 13 == 0) plugin.queueCommand(kCmdLengthOp, static_cast<float>(block % 6));
    if (block % 17 == 0) plugin.queueCommand(kCmdOffsetOp, static_cast<float>(block % 6));
    if (block % 19 == 0) plugin.queueCommand(kCmdTempoLength, 100.0f + block % 50);
    if (block % 23 == 0) plugin.queueCommand(kCmdMidiAction, static_cast<float>(block % 6));
    if (block % 29 == 0) plugin.queueSendAll();
}

}  // namespace

TEST(Lv2RealTime, RunAllocatesNothingWhateverTheBlockBrings) {
    lv2_test::World world;
    const lv2_test::Stereo input = lv2_test::testSignal(kBlock);
    std::vector<float> left(kBlock), right(kBlock);
    // The count sees the plug-in's own allocations: making an instance has some.
    long made = 0;
    std::optional<lv2_test::Instance> plugin;
    {
        const validator::CountingAllocations counting(made);
        plugin.emplace(world);
    }
    plugin->activate();
    long inRun = 0;
    for (int block = 0; block < 3000; ++block) {
        feedBlock(*plugin, block);
        const uint32_t frames = plugin->prepare(input.left.data(), input.right.data(), kBlock);
        {
            const validator::CountingAllocations counting(inRun);
            plugin->runPlugin(frames);
        }
        plugin->finish(left.data(), right.data(), frames);
        plugin->takeNotices();
    }
    if (!validator::countingAllocations())
        GTEST_SKIP() << "the sanitizers own malloc: the blocks ran, their allocations are not counted";
    EXPECT_GT(made, 0);
    EXPECT_EQ(inRun, 0);
}

// The host's audio thread runs blocks with what its user-interface thread
// asked for (port values and editor messages pass through the host's own
// queue, as LV2 hosts carry them), while the main thread saves the state:
// the thread sanitizer build must report nothing.
TEST(Lv2RealTime, AudioUserInterfaceAndStateThreadsTogether) {
    struct Request {
        int kind;  // 0 port, 1 command
        int index;
        float value;
    };
    // One producer, one consumer, fixed size: the host's queue.
    std::array<Request, 1024> ring{};
    std::atomic<unsigned> head{0}, tail{0};
    std::atomic<bool> done{false};

    lv2_test::World world;
    lv2_test::Instance plugin(world);
    plugin.activate();
    const lv2_test::Stereo input = lv2_test::testSignal(kBlock);

    std::thread audio([&] {
        std::vector<float> left(kBlock), right(kBlock);
        for (int block = 0; block < 4000; ++block) {
            for (unsigned t = tail.load(std::memory_order_relaxed); t != head.load(std::memory_order_acquire); ++t) {
                const Request& r = ring[t % ring.size()];
                if (r.kind == 0)
                    plugin.setControl(r.index, r.value);
                else
                    plugin.queueCommand(r.index, r.value);
                tail.store(t + 1, std::memory_order_release);
            }
            if (block % 7 == 0) plugin.queueMidi(0xB0, 16, static_cast<uint8_t>(block % 128));
            if (block % 9 == 0) plugin.queueMidi(0x90, static_cast<uint8_t>(48 + block % 16), 100);
            if (block % 50 == 0) plugin.queuePosition(block * kBlock, 1.0f, 120.0f);
            plugin.run(input.left.data(), input.right.data(), left.data(), right.data(), kBlock);
            plugin.takeNotices();
        }
        done = true;
    });
    std::thread userInterface([&] {
        static constexpr int kCommands[] = {kCmdOffsetOp, kCmdLengthOp, kCmdLearnKnob, kCmdMidiAction,
                                            kCmdTempoLength};
        for (unsigned n = 0; !done.load(); ++n) {
            const unsigned h = head.load(std::memory_order_relaxed);
            if (h - tail.load(std::memory_order_acquire) >= ring.size()) {
                std::this_thread::yield();
                continue;
            }
            ring[h % ring.size()] = n % 4 == 0 ? Request{1, kCommands[n % 5], static_cast<float>(n % 6)}
                                               : Request{0, static_cast<int>(n % kNumParams), (n % 11) / 10.0f};
            head.store(h + 1, std::memory_order_release);
        }
    });
    size_t saves = 0;
    while (!done.load()) {
        EXPECT_FALSE(plugin.saveChunk().empty());
        ++saves;
    }
    audio.join();
    userInterface.join();
    EXPECT_GT(saves, 0u);
}
