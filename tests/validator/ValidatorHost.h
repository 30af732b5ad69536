// The host side of a validation run: plug-in instances opened, fed and closed
// the way hosts do, each on a host whose clock the checks script. Nothing here
// assumes anything about the plug-in beyond its AEffect record.
#pragma once

#include <atomic>
#include <random>
#include <string>
#include <vector>

#include "tools/host/PluginLibrary.h"

namespace validator {

// 44100 Hz, 120 BPM in 4/4, transport playing from 0.
struct ValidatorHost : Host {
    ValidatorHost();
    VstIntPtr onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) override;
    void advance(int frames);  // moves a playing transport on by one block

    VstTimeInfo time{};
    bool provideTime = true;  // false answers audioMasterGetTime with null
    std::atomic<bool> askedForMidi{false};
};

enum class Signal { kNoise, kSilence, kSubnormal, kSquare, kNaN, kInfinity, kHuge };
inline constexpr Signal kAllSignals[] = {Signal::kNoise, Signal::kSilence,  Signal::kSubnormal, Signal::kSquare,
                                         Signal::kNaN,   Signal::kInfinity, Signal::kHuge};

// An instance from entry point to effClose on a host of its own, open but not
// yet resumed, its input noise seeded with `seed`.
class Instance {
public:
    explicit Instance(PluginEntry entry, unsigned seed = 0);  // throws when refused
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    ValidatorHost host;
    AEffect* operator->() const { return effect_; }
    VstIntPtr call(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0.0f) const;
    void set(VstInt32 parameter, float value) const { effect_->setParameter(effect_, parameter, value); }
    float get(VstInt32 parameter) const { return effect_->getParameter(effect_, parameter); }
    std::vector<float> parameters() const;

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
    // Starts at `sampleRate`, plays `count` blocks of noise and suspends again.
    std::string play(double sampleRate, int count);

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

// Asks for a text into a buffer much larger than `limit` and filled with a
// marker: the fault if it is unterminated within `limit` bytes or wrote past
// them; otherwise empty, with the text in `text`.
std::string textFault(const Instance& instance, VstInt32 opcode, VstInt32 index, size_t limit,
                      std::string* text = nullptr);
// Parameter `index`'s name, label and display fit 24 bytes, and a real
// parameter's display is never empty.
std::string parameterTextFault(const Instance& instance, VstInt32 index);

}  // namespace validator
