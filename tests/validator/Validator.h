// A validation run: checks grouped in areas, each area making every instance
// it needs from the library's entry point, on a host whose clock the checks
// script. A check answers why it failed, or nothing; an exception it lets out
// is a failure too. Nothing here assumes anything about the plug-in beyond its
// AEffect record.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <random>
#include <ranges>
#include <string>
#include <vector>

#include "tools/host/PluginLibrary.h"

namespace validator {

// One line per check ("PASS name", "FAIL name: why" or "SKIP name (why)"),
// then "N passed, N failed". A check named as an expected failure prints
// XFAIL and is not counted when it fails, and XPASS, counted as failed, when
// it passes.
class Report {
public:
    explicit Report(std::vector<std::string> expectedFailures);
    void run(const std::string& name, const std::function<std::string()>& check);
    void skip(const std::string& name, const std::string& why) {
        std::printf("SKIP %s (%s)\n", name.c_str(), why.c_str());
    }
    int finish() const {  // the exit code: 1 if anything failed
        std::printf("%d passed, %d failed\n", passed_, failed_);
        return failed_ == 0 ? 0 : 1;
    }

private:
    int passed_ = 0, failed_ = 0;
    std::vector<std::string> expectedFailures_;
};

void checkInstances(PluginEntry entry, Report& report);  // lifecycle, then the dispatcher
void checkParameters(PluginEntry entry, Report& report);
void checkProcessing(PluginEntry entry, Report& report);  // processing, then real time
void checkState(PluginEntry entry, Report& report);

// The first fault `check` finds going through `items`, or empty.
template <class Items, class Check> std::string firstFault(const Items& items, Check check) {
    for (const auto& item : items)
        if (std::string why = check(item); !why.empty()) return why;
    return {};
}

// 0 to `end` - 1; nothing for a count a broken record makes negative.
inline auto upTo(int end) { return std::views::iota(0, std::max(end, 0)); }

// `why` after what it happened in; empty when there was no fault.
inline std::string within(const std::string& context, const std::string& why) {
    return why.empty() ? why : context + ": " + why;
}

// Whether Instance::allocations counts: the validator replaces malloc and free
// (where every operator new and delete ends) with counting versions, so a
// loaded plug-in's calls land there too; sanitizer builds bring allocators of
// their own and count nothing.
bool countingAllocations();

// 44100 Hz, 120 BPM in 4/4, transport playing from 0.
struct ValidatorHost : Host {
    ValidatorHost();
    VstIntPtr onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) override;

    VstTimeInfo time{};
    bool provideTime = true;  // false answers audioMasterGetTime with null
    std::atomic<bool> askedForMidi{false};
};

enum class Signal { kNoise, kSilence, kSubnormal, kSquare, kNaN, kInfinity, kHuge };

inline constexpr bool kStarted = true;

// An instance from entry point to effClose on a host of its own, open and, if
// `started`, resumed at 44100 Hz; its input noise seeded with `seed`.
class Instance {
public:
    explicit Instance(PluginEntry entry, unsigned seed = 0, bool started = false);  // throws when refused
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    ValidatorHost host;
    long allocations = 0;  // allocator calls made inside processReplacing and processEvents
    AEffect* operator->() const { return effect_; }
    VstIntPtr call(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0.0f) const {
        return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
    }
    void set(VstInt32 parameter, float value) const { effect_->setParameter(effect_, parameter, value); }
    float get(VstInt32 parameter) const { return effect_->getParameter(effect_, parameter); }
    std::vector<float> parameters() const {
        std::vector<float> values;
        for (VstInt32 p = 0; p < effect_->numParams; ++p) values.push_back(get(p));
        return values;
    }

    // Sample rate, block size and buffers for blocks of up to `maxBlock` frames.
    void prepare(double sampleRate = 44100.0, int maxBlock = 512);
    void start(double sampleRate = 44100.0, int maxBlock = 512) {
        prepare(sampleRate, maxBlock);
        resume();
    }
    void resume() const { call(effMainsChanged, 0, 1); }
    void suspend() const { call(effMainsChanged, 0, 0); }

    // Runs `count` blocks of `kind` (in place when `inPlace`), with MIDI every
    // few blocks when the plug-in takes it, appending the outputs to `sound`
    // when given: the first fault in the outputs or the inputs, or empty.
    std::string blocks(int count, int frames = 512, Signal kind = Signal::kNoise,
                       std::vector<float>* sound = nullptr, bool inPlace = false);
    std::string block(int frames, Signal kind = Signal::kNoise) { return blocks(1, frames, kind); }
    // At each of `rates` in turn: starts, plays `count` blocks of noise and suspends again.
    std::string play(std::initializer_list<double> rates, int count = 8);

private:
    void sendMidi(int frames);

    AEffect* effect_;
    std::mt19937 random_;
    bool wantsMidi_ = false;
    int blocksDone_ = 0, capacity_ = 512;
    std::vector<std::vector<float>> in_, out_;
    struct { VstInt32 numEvents; VstIntPtr reserved; VstEvent* events[4]; } midiList_{};
    VstMidiEvent midi_[4]{};
};

// The first sample a host must not receive (not finite, beyond -1..1, or
// subnormal) and where it is; empty when there is none.
std::string badSample(const float* samples, int frames);

// Asks for a text into a buffer much larger than `limit` and filled with a
// marker: the fault if it is unterminated within `limit` bytes or wrote past
// them; otherwise empty, with the text in `text`.
std::string textFault(const Instance& instance, VstInt32 opcode, VstInt32 index, size_t limit,
                      std::string* text = nullptr);
// Parameter `index`'s name, label and display fit 24 bytes, and a real
// parameter's display is never empty.
std::string parameterTextFault(const Instance& instance, VstInt32 index);

}  // namespace validator
