// The audio callback as hosts call it: any block size, any sample rate, any
// transport, any input, every factory program, and the same buffers for
// input and output. Every block's output must be finite, within -1..1 and
// free of subnormal numbers, and the inputs must come back untouched.
#include <cmath>
#include <cstring>

#include "tests/validator/Checks.h"
#include "tests/validator/ValidatorHost.h"

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace validator {

namespace {

constexpr int kLargestBlock = 16384;

std::string blockSizes(PluginEntry entry) {
    std::vector<int> sizes;
    for (int n = 0; n <= 64; ++n) sizes.push_back(n);
    for (int prime : {67, 127, 257, 509, 1021, 2039, 4093, 8191, 16381}) sizes.push_back(prime);
    for (int n = 1025; n <= kLargestBlock; n += 1025) sizes.push_back(n);
    std::mt19937 random(7);
    for (int i = 0; i < 64; ++i) sizes.push_back(std::uniform_int_distribution<int>(0, 4096)(random));
    ValidatorHost host;
    Instance instance(entry, host);
    instance.start(44100.0, kLargestBlock);
    Buffers buffers(instance.effect(), kLargestBlock);
    for (int frames : sizes)
        if (auto why = instance.block(buffers, frames, Signal::kNoise, random); !why.empty()) return why;
    return {};
}

std::string sampleRates(PluginEntry entry) {
    std::mt19937 random(8);
    ValidatorHost host;
    Instance instance(entry, host);
    Buffers buffers(instance.effect(), 512);
    for (double rate : {1000.0, 8000.0, 11025.0, 22050.0, 44100.0, 48000.0, 88200.0, 96000.0,
                        176400.0, 192000.0, 384000.0, 768000.0}) {
        instance.start(rate, 512);
        for (int i = 0; i < 12; ++i)
            if (auto why = instance.block(buffers, 512, Signal::kNoise, random); !why.empty())
                return "at " + std::to_string(rate) + " Hz: " + why;
        instance.suspend();
    }
    return {};
}

// Playing, stopped, jumping backwards, no clock at all, and tempos no song
// has; the stretches are a tenth of a second or so.
std::string transports(PluginEntry entry) {
    std::mt19937 random(9);
    ValidatorHost host;
    Instance instance(entry, host);
    instance.start();
    Buffers buffers(instance.effect(), 512);
    const double tempos[] = {120.0, 0.0, -60.0, std::nan(""), 1e7, 0.2, 97.3};
    for (int stretch = 0; stretch < 28; ++stretch) {
        host.provideTime = stretch % 4 != 3;
        if (stretch % 4 == 1) host.time.flags &= ~kVstTransportPlaying;
        else host.time.flags |= kVstTransportPlaying;
        if (stretch % 4 == 2) host.time.samplePos = std::max(0.0, host.time.samplePos - 30000.0);
        if (stretch % 4 == 2) host.time.ppqPos = std::max(0.0, host.time.ppqPos - 2.5);
        host.time.tempo = tempos[stretch / 4];
        if (stretch == 27) host.time.samplePos = 2147483000.0;  // about to pass 2^31
        for (int i = 0; i < 9; ++i)
            if (auto why = instance.block(buffers, 512, Signal::kNoise, random); !why.empty())
                return "stretch " + std::to_string(stretch) + ": " + why;
    }
    return {};
}

std::string inputs(PluginEntry entry) {
    std::mt19937 random(10);
    ValidatorHost host;
    Instance instance(entry, host);
    instance.start();
    Buffers buffers(instance.effect(), 512);
    for (Signal kind : kAllSignals)
        for (int i = 0; i < 16; ++i)
            if (auto why = instance.block(buffers, 512, kind, random); !why.empty())
                return "input kind " + std::to_string(int(kind)) + ": " + why;
    return {};
}

std::string programs(PluginEntry entry) {
    std::mt19937 random(11);
    ValidatorHost host;
    Instance probe(entry, host);
    for (VstInt32 program = 0; program < probe->numPrograms; ++program) {
        ValidatorHost programHost;
        Instance instance(entry, programHost);
        instance.call(effSetProgram, 0, program);
        instance.start();
        Buffers buffers(instance.effect(), 512);
        for (int i = 0; i < 20; ++i)
            if (auto why = instance.block(buffers, 512, i < 10 ? Signal::kNoise : Signal::kSquare, random);
                !why.empty())
                return "program " + std::to_string(program) + ": " + why;
    }
    return {};
}

// In place, the output must be what separate buffers would have given.
std::string inPlace(PluginEntry entry) {
    std::vector<std::vector<float>> outputs[2];
    for (bool same : {false, true}) {
        std::mt19937 random(12);
        ValidatorHost host;
        Instance instance(entry, host);
        instance.start();
        Buffers buffers(instance.effect(), 333);
        for (int i = 0; i < 30; ++i) {
            if (auto why = instance.block(buffers, 333, Signal::kNoise, random, same); !why.empty())
                return (same ? "in place: " : "") + why;
            for (float* channel : buffers.outputs) outputs[same].emplace_back(channel, channel + 333);
        }
    }
    return outputs[0] == outputs[1] ? std::string() : "in place sounds unlike separate buffers";
}

// Hosts run with their own rounding and denormal settings; a plug-in that
// changes them for itself must put them back.
std::string floatingPointMode(PluginEntry entry) {
#if defined(__SSE__)
    std::mt19937 random(13);
    ValidatorHost host;
    Instance instance(entry, host);
    instance.start();
    Buffers buffers(instance.effect(), 300);
    const unsigned original = _mm_getcsr();
    for (unsigned mode : {original & ~0x8040u, original | 0x8040u, (original & ~0x8040u) | 0x6000u}) {
        _mm_setcsr(mode);
        (void)instance.block(buffers, 300, Signal::kNoise, random);
        const unsigned after = _mm_getcsr() & ~0x3Fu;  // the sticky exception flags aside
        _mm_setcsr(original);
        if (after != (mode & ~0x3Fu)) return "MXCSR came back as " + std::to_string(after);
    }
#else
    (void)entry;
#endif
    return {};
}

}  // namespace

void checkProcessing(PluginEntry entry, Report& report) {
    report.run("processing: block sizes 0 to 16384", [&] { return blockSizes(entry); });
    report.run("processing: sample rates 1 kHz to 768 kHz", [&] { return sampleRates(entry); });
    report.run("processing: transport playing, stopped, jumping back, absent, odd tempos",
               [&] { return transports(entry); });
    report.run("processing: noise, silence, subnormal, square, NaN, infinite and huge input",
               [&] { return inputs(entry); });
    report.run("processing: every factory program", [&] { return programs(entry); });
    report.run("processing: in-place buffers", [&] { return inPlace(entry); });
    report.run("processing: the caller's floating-point mode is kept", [&] {
        return floatingPointMode(entry);
    });
}

}  // namespace validator
