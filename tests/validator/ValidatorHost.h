// The host side of a validation run: a host whose clock the checks script,
// plug-in instances opened and closed the way hosts do, audio buffers shaped
// by the instance's own channel counts, and what every output sample must be.
// Nothing here assumes anything about the plug-in beyond its AEffect record.
#pragma once

#include <atomic>
#include <random>
#include <string>
#include <vector>

#include "tools/host/PluginLibrary.h"

namespace validator {

class ValidatorHost : public Host {
public:
    ValidatorHost();  // 44100 Hz, 120 BPM in 4/4, transport playing at 0

    VstTimeInfo time{};
    bool provideTime = true;  // false answers audioMasterGetTime with null
    std::atomic<bool> askedForMidi{false};

    VstIntPtr onHostCall(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                         void* ptr, float opt) override;
    // Moves a playing transport on by one block.
    void advance(int frames);
};

// What the checks feed in: signals of every kind a host may pass on.
enum class Signal { kNoise, kSilence, kSubnormal, kSquare, kNaN, kInfinity, kHuge };
inline constexpr Signal kAllSignals[] = {Signal::kNoise,  Signal::kSilence,  Signal::kSubnormal,
                                         Signal::kSquare, Signal::kNaN,      Signal::kInfinity,
                                         Signal::kHuge};

// One buffer per input and output channel, `capacity` frames each, and a copy
// of the inputs to show whether the plug-in wrote into them.
struct Buffers {
    Buffers(const AEffect* effect, int capacity);
    void fill(Signal kind, int frames, std::mt19937& random);

    int capacity;
    std::vector<std::vector<float>> in, out, saved;
    std::vector<float*> inputs, outputs;
};

// An instance from entry point to effClose; open but not yet resumed.
class Instance {
public:
    Instance(PluginEntry entry, ValidatorHost& host);  // throws when refused
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    AEffect* operator->() const { return effect_; }
    AEffect* effect() const { return effect_; }
    ValidatorHost& host() const { return host_; }
    VstIntPtr call(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0.0f) const;
    bool wantsMidi() const;

    // Sample rate, block size and effMainsChanged(1), as hosts start playback.
    void start(double sampleRate = 44100.0, int maxBlock = 512);
    void resume() const { call(effMainsChanged, 0, 1); }
    void suspend() const { call(effMainsChanged, 0, 0); }

    // Fills the inputs, sends MIDI every few blocks when the plug-in takes it,
    // runs one block (inputs and outputs the same buffers when `inPlace`) and
    // checks it: the first fault found, or empty.
    std::string block(Buffers& buffers, int frames, Signal kind, std::mt19937& random,
                      bool inPlace = false);

private:
    void sendMidi(int frames);

    AEffect* effect_;
    ValidatorHost& host_;
    bool wantsMidi_ = false;
    int blocks_ = 0;
    struct MidiList {
        VstInt32 numEvents;
        VstIntPtr reserved;
        VstEvent* events[4];
    } midiList_{};
    VstMidiEvent midi_[4]{};
};

// The first sample a host must not receive (not finite, beyond -1..1, or
// subnormal), described; empty when all are fine.
std::string badSample(const float* samples, int frames);

// Asks for a text into a buffer much larger than `limit` and filled with a
// marker: the fault if it is unterminated within `limit` bytes or wrote past
// them; otherwise empty, with the text in `text`.
std::string textFault(const Instance& instance, VstInt32 opcode, VstInt32 index, size_t limit,
                      std::string* text = nullptr);

}  // namespace validator
