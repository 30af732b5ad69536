// The seam between the checks that hold for a plug-in of any format and the
// format itself: one instance, its parameters as floats, programs if the
// format has them, the host's transport, and blocks of audio. The blocks are
// run here, the same way for every format: the input filled with the chosen
// signal, every output sample checked, the inputs checked untouched, the
// allocator calls inside the format's processing counted, and the transport
// moved on. Each format says how one block is processed (with a little MIDI
// when the plug-in takes it), how a parameter is set and read, and how its
// texts are checked.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace validator {

enum class Signal { kNoise, kSilence, kSubnormal, kSquare, kNaN, kInfinity, kHuge };

inline constexpr bool kStarted = true;

// What the host tells about time; the checks play with every field.
struct Transport {
    bool provided = true;  // false: the host tells nothing
    bool playing = true;
    double samplePos = 0.0;
    double ppqPos = 0.0;
    double tempo = 120.0;
};

class Processor {
public:
    explicit Processor(unsigned seed) : random_(seed) {}
    virtual ~Processor() = default;
    Processor(const Processor&) = delete;
    Processor& operator=(const Processor&) = delete;

    long allocations = 0;  // allocator calls made inside the format's processing

    virtual int parameterCount() const = 0;
    virtual void setParameter(int index, float value) = 0;  // any float, as hosts send
    virtual float parameter(int index) const = 0;
    // Whether the texts a host reads for parameter `index` are sound: the fault, or empty.
    virtual std::string parameterTextFault(int index) const = 0;
    virtual int programCount() const = 0;  // 0 for a format without programs
    virtual void selectProgram(int program) = 0;
    virtual Transport transport() const = 0;
    virtual void setTransport(const Transport& transport) = 0;

    // Sample rate and buffers for blocks of up to `maxBlock` frames.
    void prepare(double sampleRate = 44100.0, int maxBlock = 512);
    void start(double sampleRate = 44100.0, int maxBlock = 512) {
        prepare(sampleRate, maxBlock);
        resume();
    }
    virtual void resume() = 0;
    virtual void suspend() = 0;

    // Runs `count` blocks of `kind` (in place when `inPlace`), appending the
    // outputs to `sound` when given: the first fault in the outputs or the
    // inputs, or empty.
    std::string blocks(int count, int frames = 512, Signal kind = Signal::kNoise,
                       std::vector<float>* sound = nullptr, bool inPlace = false);
    std::string block(int frames, Signal kind = Signal::kNoise) { return blocks(1, frames, kind); }
    // At each of `rates` in turn: starts, plays `count` blocks of noise and suspends again.
    std::string play(std::initializer_list<double> rates, int count = 8);

protected:
    // The format's own part of prepare, before the buffers are sized.
    virtual void configure(double sampleRate, int maxBlock) = 0;
    virtual int inputCount() const = 0;
    virtual int outputCount() const = 0;
    // One block: MIDI first when the plug-in takes it, then the audio.
    virtual void process(float** inputs, float** outputs, int frames, int blockNumber) = 0;

    std::mt19937 random_;

private:
    void sizeBuffers();

    int blocksDone_ = 0, capacity_ = 512;
    double sampleRate_ = 44100.0;
    std::vector<std::vector<float>> in_, out_;
};

// The MIDI every format's instance gets with a block, when it takes MIDI:
// a note on, a modulation wheel move, a sustain pedal and the note's end,
// spread over the block and walking up the keyboard from block to block.
using MidiMessages = std::array<std::array<uint8_t, 3>, 4>;
MidiMessages blockMidi(int blockNumber);

// Makes an instance of the plug-in under test, its input noise seeded with
// `seed`, started at 44100 Hz when `started`.
using MakeProcessor = std::function<std::unique_ptr<Processor>(unsigned seed, bool started)>;

// The first sample a host must not receive (not finite, beyond -1..1, or
// subnormal) and where it is; empty when there is none.
std::string badSample(const float* samples, int frames);

}  // namespace validator
