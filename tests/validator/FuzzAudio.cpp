// The audio path under a hostile host: blocks of 0 to 20,000 frames, larger
// than announced, in place and out of place, through processReplacing and the
// accumulating process; any input; time information missing, stopped,
// jumping, negative or absurd; MIDI of the wrong size, sysex, events outside
// their block and storms of notes. Every output sample must be written, a
// number within -1...1 and not subnormal; the inputs of an out-of-place block must come back
// untouched; nothing may be written behind a buffer.
#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "tests/validator/Fuzz.h"

namespace validator::fuzz {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int kLongestBlock = 20000;
constexpr int kCanaryFrames = 8;
constexpr uint32_t kCanary = 0x7FA5A5A5;  // a NaN no computation makes

// The sysex record as hosts lay it out.
struct VstMidiSysexEvent {
    VstInt32 type;
    VstInt32 byteSize;
    VstInt32 deltaFrames;
    VstInt32 flags;
    VstInt32 dumpBytes;
    VstIntPtr resvd1;
    char* sysexDump;
    VstIntPtr resvd2;
};

int blockFrames(Dice& dice) {
    switch (dice.between(0, 19)) {
        case 0: return 0;
        case 1: case 2: case 3: case 4: return dice.between(1, 64);
        case 5: case 6: case 7: case 8: case 9: return dice.between(65, 1024);
        case 10: case 11: case 12: case 13: case 14: case 15: return dice.between(1025, 4096);
        default: return dice.between(4097, kLongestBlock);
    }
}

// One channel of `frames` samples followed by the canary.
std::vector<float> channel(int frames, float fill) {
    std::vector<float> samples(static_cast<size_t>(frames + kCanaryFrames), fill);
    for (int i = 0; i < kCanaryFrames; ++i) std::memcpy(&samples[size_t(frames + i)], &kCanary, sizeof kCanary);
    return samples;
}

void fillInput(std::vector<float>& samples, int frames, int kind, Dice& dice) {
    static constexpr float kHostile[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                                         -std::numeric_limits<float>::infinity(), 3e38f, -1e30f, FLT_TRUE_MIN, 2.0f};
    for (int i = 0; i < frames; ++i) {
        float& x = samples[size_t(i)];
        switch (kind) {
            case 0: x = 0.0f; break;
            case 1: x = (i / 50) % 2 ? 1.0f : -1.0f; break;
            case 2: x = dice.chance(0.01) ? dice.pick(kHostile) : dice.unit() * 2.0f - 1.0f; break;
            default: x = dice.unit() * 2.0f - 1.0f;
        }
    }
}

void checkCanary(const std::vector<float>& samples, int frames, const std::string& which) {
    if (std::memcmp(&samples[size_t(frames)], std::vector<uint32_t>(kCanaryFrames, kCanary).data(),
                    sizeof(float) * kCanaryFrames) != 0)
        throw Fault("a block of " + std::to_string(frames) + " frames was written past its end on " + which);
}

void checkOutput(const float* samples, int frames, size_t channel) {
    if (std::string why = badSample(samples, frames); !why.empty())
        throw Fault(why + " on output " + std::to_string(channel) + " in a block of " + std::to_string(frames));
}

// Where the host's clock goes after a block, as a playing transport moves it.
void advanceTime(VstTimeInfo& time, int frames) {
    if (!(time.flags & kVstTransportPlaying)) return;
    time.samplePos += frames;
    if (time.sampleRate > 0.0) time.ppqPos += frames / time.sampleRate * time.tempo / 60.0;
    time.barStartPos = std::floor(time.ppqPos / 4.0) * 4.0;
}

VstMidiEvent midiEvent(Dice& dice, int block) {
    static constexpr int kStatuses[] = {0x80, 0x90, 0x90, 0xA0, 0xB0, 0xB0, 0xC0, 0xD0, 0xE0, 0xF0, 0xF8, 0xFF};
    VstMidiEvent event{};
    event.type = dice.chance(0.95) ? kVstMidiType : dice.pick({0, 2, 99, -1});
    event.byteSize = dice.chance(0.9) ? VstInt32{sizeof(VstMidiEvent)} : dice.pick({0, 8, 24, -1, 1000});
    event.deltaFrames = dice.chance(0.85) ? dice.between(0, std::max(block - 1, 0))
                                          : dice.pick({-1000, -1, block, block + 100, INT_MAX, INT_MIN});
    const int status = dice.pick(kStatuses);
    event.midiData[0] = static_cast<char>(status | dice.between(0, 15));
    event.midiData[1] = static_cast<char>(dice.between(0, dice.chance(0.9) ? 127 : 255));
    event.midiData[2] = static_cast<char>(dice.between(0, dice.chance(0.9) ? 127 : 255));
    event.midiData[3] = static_cast<char>(dice.between(0, 255));
    return event;
}

std::vector<char> sysexEvent(Dice& dice, int block) {
    const int dumpBytes = dice.between(0, 300);
    std::vector<char> storage(sizeof(VstMidiSysexEvent) + size_t(dumpBytes));
    VstMidiSysexEvent event{kVstSysExType, VstInt32{sizeof(VstMidiSysexEvent)}, dice.between(-10, block + 10),
                            0, dice.chance(0.9) ? dumpBytes : dice.pick({0, -1}), 0, nullptr, 0};
    char* dump = storage.data() + sizeof event;
    for (int i = 0; i < dumpBytes; ++i) dump[i] = static_cast<char>(dice.between(0, 255));
    if (dumpBytes > 0) dump[0] = static_cast<char>(0xF0);
    event.sysexDump = dumpBytes > 0 || dice.chance(0.5) ? dump : nullptr;
    std::memcpy(storage.data(), &event, sizeof event);
    return storage;
}

}  // namespace

void processBlock(Plugin& plugin, Dice& dice) {
    AEffect* effect = plugin.effect();
    const int frames = blockFrames(dice);
    const bool replacing = effect->processReplacing && (!effect->process || dice.chance(0.8));
    // Accumulating in place would add the input to the output: only replacing runs in place.
    const bool inPlace = replacing && dice.chance(0.3);
    const int signal = dice.between(0, 9);
    std::vector<std::vector<float>> in, out;
    for (int c = 0; c < std::max(effect->numInputs, 0); ++c) {
        in.push_back(channel(frames, 0.0f));
        fillInput(in.back(), frames, signal, dice);
    }
    const auto untouched = in;
    // Replacing must write every frame (a NaN left shows); accumulating adds to silence.
    const float outputFill = replacing ? std::numeric_limits<float>::quiet_NaN() : 0.0f;
    for (int c = 0; c < std::max(effect->numOutputs, 0); ++c) out.push_back(channel(frames, outputFill));
    std::vector<float*> inputs, outputs;
    for (auto& samples : in) inputs.push_back(samples.data());
    for (size_t c = 0; c < out.size(); ++c)
        outputs.push_back(inPlace && c < in.size() ? in[c].data() : out[c].data());

    (replacing ? effect->processReplacing : effect->process)(effect, inputs.data(), outputs.data(), frames);
    advanceTime(plugin.instance.host.time, frames);

    for (size_t c = 0; c < in.size(); ++c) {
        checkCanary(in[c], frames, "input " + std::to_string(c));
        if (!inPlace && std::memcmp(in[c].data(), untouched[c].data(), sizeof(float) * size_t(frames)) != 0)
            throw Fault("input " + std::to_string(c) + " was written to in a block of " + std::to_string(frames));
    }
    for (size_t c = 0; c < outputs.size(); ++c) {
        if (!(inPlace && c < in.size())) checkCanary(out[c], frames, "output " + std::to_string(c));
        checkOutput(outputs[c], frames, c);
    }
}

void changeTime(Plugin& plugin, Dice& dice) {
    ValidatorHost& host = plugin.instance.host;
    VstTimeInfo& time = host.time;
    host.provideTime = dice.chance(0.85);
    switch (dice.between(0, 5)) {
        case 0: time.tempo = dice.pick({120.0, 97.3, 0.0, 1e9, kNaN, -120.0, 1e-300, kInf, 1.0, 999.0}); break;
        case 1: time.sampleRate = dice.pick({44100.0, 48000.0, 96000.0, 0.0, kNaN, 1e300, 1e37, -44100.0, 1.0, kInf}); break;
        case 2:
            time.samplePos = dice.pick({0.0, double(dice.between(0, 10000000)), -1e6, -1.0, 1e18, kNaN, 2147483000.0});
            time.ppqPos = dice.pick({0.0, double(dice.between(0, 1000)), -4.0, kNaN, 1e15});
            time.barStartPos = dice.pick({0.0, std::floor(time.ppqPos / 4.0) * 4.0, -8.0, kNaN});
            break;
        case 3: time.flags ^= kVstTransportPlaying; break;
        case 4: time.flags = dice.between(0, 0xFFFF); break;
        default:
            time.timeSigNumerator = dice.pick({4, 3, 7, 0, -1, INT_MAX});
            time.timeSigDenominator = dice.pick({4, 8, 0, -4});
    }
}

void sendMidi(Plugin& plugin, Dice& dice) {
    EventBatch& batch = plugin.events;
    batch = EventBatch{};
    const int block = plugin.announcedBlock;
    const bool storm = dice.chance(0.05);
    const int count = storm ? dice.between(200, 2000) : dice.between(0, 12);
    batch.midi.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        if (!storm && dice.chance(0.1)) {
            batch.sysex.push_back(sysexEvent(dice, block));
            batch.pointers.push_back(reinterpret_cast<VstEvent*>(batch.sysex.back().data()));
            continue;
        }
        batch.midi.push_back(midiEvent(dice, block));
        if (storm) {  // notes only, all at once
            batch.midi.back().type = kVstMidiType;
            batch.midi.back().byteSize = sizeof(VstMidiEvent);
            batch.midi.back().midiData[0] = static_cast<char>(i % 2 ? 0x80 : 0x90);
        }
        batch.pointers.push_back(reinterpret_cast<VstEvent*>(&batch.midi.back()));
    }
    // VstEvents: the count, a reserved word, then the pointers.
    batch.list.assign(2 + std::max<size_t>(batch.pointers.size(), 2), 0);
    auto* list = reinterpret_cast<VstEvents*>(batch.list.data());
    list->numEvents = static_cast<VstInt32>(batch.pointers.size());
    std::copy(batch.pointers.begin(), batch.pointers.end(), list->events);
    plugin.instance.call(effProcessEvents, 0, 0, list);
}

}  // namespace validator::fuzz
