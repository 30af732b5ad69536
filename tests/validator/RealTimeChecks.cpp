// What the audio thread may not do: allocate (a lock and a system call
// waiting to happen), or race with a user-interface thread that moves
// parameters and switches programs meanwhile. The race is for the
// thread-sanitizer build to find.
#include <atomic>
#include <thread>

#include "tests/validator/AllocationCounter.h"
#include "tests/validator/Checks.h"

namespace validator {

// Moves a random parameter and reads it back, as automation and user interfaces do.
static void turnKnob(const Instance& instance, std::mt19937& random) {
    if (instance->numParams <= 0) return;
    const auto p = static_cast<VstInt32>(random() % unsigned(instance->numParams));
    instance.set(p, std::uniform_real_distribution<float>(0.0f, 1.0f)(random));
    (void)instance.get(p);
}

// Every program with automation between blocks and, when the plug-in takes
// it, MIDI: the calls into processReplacing and processEvents are counted.
static std::string allocationFree(PluginEntry entry) {
    std::mt19937 random(14);
    Instance instance(entry, 14);
    instance.start();
    return firstFault(upTo(std::max(instance->numPrograms, 1)), [&](VstInt32 program) {
        instance.call(effSetProgram, 0, program);
        return firstFault(upTo(24), [&](int i) {
            turnKnob(instance, random);
            const long before = allocations::count();
            std::string why = instance.block(1 + i * 21);
            if (const long calls = allocations::count() - before; why.empty() && calls > 0)
                why = std::to_string(calls) + " allocator calls in a block of program " + std::to_string(program);
            return why;
        });
    });
}

void checkRealTime(PluginEntry entry, Report& report) {
    const std::string allocation = "real time: no allocation while processing";
    if (allocations::available())
        report.run(allocation, [&] { return allocationFree(entry); });
    else
        report.skip(allocation, "sanitizer build");

    report.run("real time: parameters and programs set from a second thread", [&] {
        Instance instance(entry, 16);
        instance.host.time.flags &= ~kVstTransportPlaying;  // a clock the other thread may read unchanged
        instance.start(44100.0, 256);
        std::atomic<bool> done{false};
        std::thread userInterface([&] {
            std::mt19937 random(15);
            for (long i = 0; !done.load(std::memory_order_relaxed); ++i)
                if (i % 16 == 0 && instance->numPrograms > 0)
                    instance.call(effSetProgram, 0, VstIntPtr(random() % unsigned(instance->numPrograms)));
                else
                    turnKnob(instance, random);
        });
        const std::string why = instance.blocks(500, 256);
        done = true;
        userInterface.join();
        return why;
    });
}

}  // namespace validator
