// Two threads at once, as in every host: the audio thread processes blocks
// with MIDI between them while the user-interface thread sends the editor's
// commands. Under the thread sanitizer this must report nothing. (Knobs and
// program switches against the audio thread, and sound output whatever
// happens, are zarvoline-validate's checks.)
#include <gtest/gtest.h>

#include <atomic>
#include <iterator>
#include <random>
#include <thread>

#include "tests/engine/EngineTestSupport.h"
#include "tests/midi/MidiEvents.h"

#if defined(__SANITIZE_THREAD__)
// Any report fails the test at once.
extern "C" const char* __tsan_default_options() { return "halt_on_error=1:second_deadlock_stack=1"; }
#endif

namespace {

using namespace engine_test;

constexpr int kAudioBlocks = 3000;
constexpr int kUiActions = 20000;

// The user-interface thread: the editor's commands, each with how many values
// it takes from the lowest, and the buttons beside them.
void userInterface(const PluginInstance& plugin, std::atomic<bool>& audioDone) {
    const struct { VstInt32 index; unsigned values; float lowest; } actions[] = {
        {kCmdOffsetOp, 7, 0.0f},   {kCmdLengthOp, 7, 0.0f},      {kCmdLearnKnob, kNumParams, 0.0f},
        {kCmdMidiAction, 6, 0.0f}, {kCmdTempoLength, 300, 40.0f}, {kClear, 1, 1.0f},
        {kRewind, 1, 1.0f},        {kRecord, 2, 0.0f}};
    std::mt19937 random(99);
    for (int i = 0; i < kUiActions && !audioDone.load(std::memory_order_relaxed); ++i) {
        const auto& action = actions[i % std::size(actions)];
        plugin.set(action.index, action.lowest + static_cast<float>(random() % action.values));
        if (i % 50 == 0) {
            (void)plugin.display(static_cast<VstInt32>(random() % kNumParams));
            (void)plugin.get(kStatusPlayPos);
        }
    }
}

TEST(ThreadStress, UserInterfaceAndAudioThreadsTogether) {
    TestHost host;
    host.recordCalls = false;
    host.time.flags |= kVstTransportPlaying;
    PluginInstance plugin(host);
    plugin.set(kRecord, 1.0f);

    std::atomic<bool> audioDone{false};
    std::thread ui(userInterface, std::cref(plugin), std::ref(audioDone));

    Driver driver{host, plugin};
    std::mt19937 random(17);
    for (int block = 0; block < kAudioBlocks; ++block) {
        const uint8_t kinds[] = {0x90, 0x80, 0xB0, 0xE0};  // note on and off, controller, bend
        if (block % 7 == 0)
            send(plugin, MidiEventList().add(kinds[random() % 4], 40 + random() % 40, random() % 128));
        driver.run(Stereo(1 + random() % 1024, 0.5f), 1024);
    }
    audioDone = true;
    ui.join();
}

}  // namespace
