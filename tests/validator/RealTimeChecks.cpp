// What the audio thread may not do: allocate (a lock and a system call
// waiting to happen), or race with a user-interface thread that moves
// parameters and switches programs meanwhile. The race is for the
// thread-sanitizer build to find.
#include <atomic>
#include <thread>

#include "tests/validator/AllocationCounter.h"
#include "tests/validator/Checks.h"
#include "tests/validator/ValidatorHost.h"

namespace validator {

namespace {

// Every program with automation between blocks and, when the plug-in takes
// it, MIDI: the calls into processReplacing and processEvents are counted.
std::string allocationFree(PluginEntry entry) {
    std::mt19937 random(14);
    std::uniform_real_distribution<float> knob(0.0f, 1.0f);
    ValidatorHost host;
    Instance instance(entry, host);
    instance.start();
    Buffers buffers(instance.effect(), 512);
    const VstInt32 programs = std::max(instance->numPrograms, 1);
    for (VstInt32 program = 0; program < programs; ++program) {
        instance.call(effSetProgram, 0, program);
        for (int i = 0; i < 24; ++i) {
            if (instance->numParams > 0)
                instance->setParameter(instance.effect(), static_cast<VstInt32>(random() % instance->numParams),
                                       knob(random));
            const long before = allocations::count();
            if (auto why = instance.block(buffers, 1 + i * 21, Signal::kNoise, random); !why.empty())
                return why;
            if (long calls = allocations::count() - before; calls > 0)
                return std::to_string(calls) + " allocator calls in a block of program " +
                       std::to_string(program);
        }
    }
    return {};
}

std::string secondThread(PluginEntry entry) {
    ValidatorHost host;
    host.time.flags &= ~kVstTransportPlaying;  // a clock the other thread may read unchanged
    Instance instance(entry, host);
    instance.start();
    std::atomic<bool> done{false};
    std::thread userInterface([&] {
        std::mt19937 random(15);
        std::uniform_real_distribution<float> knob(0.0f, 1.0f);
        for (long i = 0; !done.load(std::memory_order_relaxed); ++i) {
            if (i % 16 == 0 && instance->numPrograms > 0)
                instance.call(effSetProgram, 0, static_cast<VstIntPtr>(random() % instance->numPrograms));
            else if (instance->numParams > 0) {
                const auto p = static_cast<VstInt32>(random() % instance->numParams);
                instance->setParameter(instance.effect(), p, knob(random));
                (void)instance->getParameter(instance.effect(), p);
            }
        }
    });
    std::mt19937 random(16);
    Buffers buffers(instance.effect(), 256);
    std::string why;
    for (int i = 0; i < 500 && why.empty(); ++i) why = instance.block(buffers, 256, Signal::kNoise, random);
    done = true;
    userInterface.join();
    return why;
}

}  // namespace

void checkRealTime(PluginEntry entry, Report& report) {
    const std::string allocation = "real time: no allocation while processing";
    if (allocations::available())
        report.run(allocation, [&] { return allocationFree(entry); });
    else
        report.skip(allocation, "sanitizer build");
    report.run("real time: parameters and programs set from a second thread",
               [&] { return secondThread(entry); });
}

}  // namespace validator
