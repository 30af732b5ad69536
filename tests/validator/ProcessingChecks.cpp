// The audio callback as hosts call it: any block size, any sample rate, any
// transport, any input, every factory program, and the same buffers for
// input and output. Every block's output must be finite, within -1..1 and
// free of subnormal numbers, and the inputs must come back untouched. And
// what the audio thread may not do: allocate (a lock and a system call
// waiting to happen), or race with a user-interface thread that moves
// parameters and switches programs meanwhile. The race is for the
// thread-sanitizer build to find.
#include <cmath>
#include <thread>

#include "tests/validator/Validator.h"

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace validator {

// Moves a random parameter and reads it back, as automation and user interfaces do.
static void turnKnob(Processor& instance, std::mt19937& random) {
    if (instance.parameterCount() <= 0) return;
    const auto p = static_cast<int>(random() % unsigned(instance.parameterCount()));
    instance.setParameter(p, std::uniform_real_distribution<float>(0.0f, 1.0f)(random));
    (void)instance.parameter(p);
}

void checkProcessing(const MakeProcessor& make, Report& report) {
    report.run("processing: block sizes 0 to 16384", [&] {
        std::vector<int> sizes{64, 67, 127, 257, 509, 1021, 2039, 4093, 8191, 16381};  // primes
        std::mt19937 random(7);
        for (int i = 0; i < 64; ++i)  // also 0 to 64, multiples of 1025 and random sizes up to 4096
            sizes.insert(sizes.end(), {i, 1025 * (i % 15 + 1), std::uniform_int_distribution<int>(0, 4096)(random)});
        const auto instance = make(7, false);
        instance->start(44100.0, 16384);
        return firstFault(sizes, [&](int frames) { return instance->block(frames); });
    });

    report.run("processing: sample rates 1 kHz to 768 kHz", [&] {
        return make(8, false)->play(
            {1e3, 8e3, 11025.0, 22050.0, 44100.0, 48e3, 88200.0, 96e3, 176400.0, 192e3, 384e3, 768e3}, 12);
    });

    // Playing, stopped, jumping backwards, no clock at all, and tempos no song
    // has; the stretches are a tenth of a second or so.
    report.run("processing: transport playing, stopped, jumping back, absent, odd tempos", [&] {
        const auto instance = make(9, kStarted);
        const double tempos[] = {120.0, 0.0, -60.0, std::nan(""), 1e7, 0.2, 97.3};
        return firstFault(upTo(28), [&](int stretch) {
            Transport time = instance->transport();
            time.provided = stretch % 4 != 3;
            time.playing = stretch % 4 != 1;
            if (stretch % 4 == 2) {
                time.samplePos = std::max(0.0, time.samplePos - 30000.0);
                time.ppqPos = std::max(0.0, time.ppqPos - 2.5);
            }
            time.tempo = tempos[stretch / 4];
            if (stretch == 27) time.samplePos = 2147483000.0;  // about to pass 2^31
            instance->setTransport(time);
            return within("stretch " + std::to_string(stretch), instance->blocks(9));
        });
    });

    report.run("processing: noise, silence, subnormal, square, NaN, infinite and huge input", [&] {
        const auto instance = make(10, kStarted);
        return firstFault(upTo(int(Signal::kHuge) + 1), [&](int kind) {
            return within("input kind " + std::to_string(kind), instance->blocks(16, 512, Signal(kind)));
        });
    });

    const std::string programs = "processing: every factory program";
    if (make(0, false)->programCount() == 0) report.skip(programs, "the format has no programs");
    else report.run(programs, [&] {
        return firstFault(upTo(make(0, false)->programCount()), [&](int program) {
            const auto instance = make(11, false);
            instance->selectProgram(program);
            instance->start();
            std::string why = instance->blocks(10);
            if (why.empty()) why = instance->blocks(10, 512, Signal::kSquare);
            return within("program " + std::to_string(program), why);
        });
    });

    // In place, the output must be what separate buffers would have given.
    report.run("processing: in-place buffers", [&]() -> std::string {
        std::vector<float> sound[2];
        for (bool same : {false, true}) {
            const auto instance = make(12, kStarted);
            if (auto why = instance->blocks(30, 333, Signal::kNoise, &sound[same], same); !why.empty())
                return (same ? "in place: " : "") + why;
        }
        return sound[0] == sound[1] ? "" : "in place sounds unlike separate buffers";
    });

    // Hosts run with their own rounding and denormal settings; a plug-in that
    // changes them for itself must put them back.
    report.run("processing: the caller's floating-point mode is kept", [&]() -> std::string {
#if defined(__SSE__)
        const auto instance = make(13, kStarted);
        const unsigned original = _mm_getcsr(), flushToZero = 0x8040, towardZero = 0x6000;
        const auto modes = {original & ~flushToZero, original | flushToZero, (original & ~flushToZero) | towardZero};
        return firstFault(modes, [&](unsigned mode) -> std::string {
            _mm_setcsr(mode);
            (void)instance->block(300);
            const unsigned after = _mm_getcsr() & ~0x3Fu;  // the sticky exception flags aside
            _mm_setcsr(original);
            return after == (mode & ~0x3Fu) ? "" : "MXCSR came back as " + std::to_string(after);
        });
#else
        return {};
#endif
    });

    // Every program with automation between blocks and, when the plug-in takes
    // it, MIDI: the calls into processReplacing and processEvents are counted.
    const std::string allocation = "real time: no allocation while processing";
    if (!countingAllocations()) report.skip(allocation, "sanitizer build");
    else report.run(allocation, [&] {
        std::mt19937 random(14);
        const auto instance = make(14, kStarted);
        return firstFault(upTo(std::max(instance->programCount(), 1)), [&](int program) {
            if (instance->programCount() > 0) instance->selectProgram(program);
            std::string why = firstFault(upTo(24), [&](int i) {
                turnKnob(*instance, random);
                return instance->block(1 + i * 21);
            });
            if (why.empty() && instance->allocations > 0)
                why = std::to_string(instance->allocations) + " allocator calls in blocks of program " +
                      std::to_string(program);
            return why;
        });
    });

    report.run("real time: parameters and programs set from a second thread", [&] {
        const auto instance = make(16, false);
        Transport stopped = instance->transport();  // a clock the other thread may read unchanged
        stopped.playing = false;
        instance->setTransport(stopped);
        instance->start(44100.0, 256);
        std::atomic<bool> done{false};
        std::thread userInterface([&] {
            std::mt19937 random(15);
            for (long i = 0; !done.load(std::memory_order_relaxed); ++i)
                if (i % 16 == 0 && instance->programCount() > 0)
                    instance->selectProgram(static_cast<int>(random() % unsigned(instance->programCount())));
                else
                    turnKnob(*instance, random);
        });
        const std::string why = instance->blocks(500, 256);
        done = true;
        userInterface.join();
        return why;
    });
}

}  // namespace validator
