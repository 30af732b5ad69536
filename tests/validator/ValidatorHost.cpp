#include "tests/validator/ValidatorHost.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "tests/validator/AllocationCounter.h"

namespace validator {

namespace {

constexpr VstInt32 kAudioMasterGetSampleRate = 16;
constexpr VstInt32 kAudioMasterGetBlockSize = 17;
constexpr VstInt32 kAudioMasterGetProductString = 33;

}  // namespace

ValidatorHost::ValidatorHost() {
    time.sampleRate = 44100.0;
    time.tempo = 120.0;
    time.timeSigNumerator = 4;
    time.timeSigDenominator = 4;
    time.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid | kVstBarsValid |
                 kVstTimeSigValid;
}

VstIntPtr ValidatorHost::onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr,
                                    float) {
    switch (opcode) {
        case audioMasterVersion: return 2400;
        case audioMasterWantMidi: askedForMidi = true; return 1;
        case audioMasterGetTime: return provideTime ? reinterpret_cast<VstIntPtr>(&time) : 0;
        case kAudioMasterGetSampleRate: return static_cast<VstIntPtr>(time.sampleRate);
        case kAudioMasterGetBlockSize: return 512;
        case kAudioMasterGetProductString:
            if (ptr) std::strcpy(static_cast<char*>(ptr), "zarvoline-validate");
            return ptr != nullptr;
        default: return 0;
    }
}

void ValidatorHost::advance(int frames) {
    if ((time.flags & kVstTransportPlaying) == 0) return;
    time.samplePos += frames;
    if (time.sampleRate > 0.0 && std::isfinite(time.tempo))
        time.ppqPos += frames / time.sampleRate * time.tempo / 60.0;
    time.barStartPos = std::floor(time.ppqPos / 4.0) * 4.0;
}

Buffers::Buffers(const AEffect* effect, int frames) : capacity(frames) {
    const auto channels = [](VstInt32 n) { return static_cast<size_t>(std::max(n, 0)); };
    in.assign(channels(effect->numInputs), std::vector<float>(static_cast<size_t>(frames)));
    saved = in;
    out.assign(channels(effect->numOutputs), std::vector<float>(static_cast<size_t>(frames)));
}

void Buffers::fill(Signal kind, int frames, std::mt19937& random) {
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const float inf = std::numeric_limits<float>::infinity();
    for (auto& channel : in)
        for (int i = 0; i < frames; ++i) {
            float& x = channel[static_cast<size_t>(i)];
            switch (kind) {
                case Signal::kNoise: x = noise(random); break;
                case Signal::kSilence: x = 0.0f; break;
                case Signal::kSubnormal: x = (i % 2 ? -FLT_TRUE_MIN : FLT_MIN / 4.0f) * float(i % 5); break;
                case Signal::kSquare: x = (i / 37) % 2 ? 1.0f : -1.0f; break;
                case Signal::kNaN: x = i % 3 ? noise(random) : std::nanf(""); break;
                case Signal::kInfinity: x = i % 2 ? noise(random) : (i % 4 ? inf : -inf); break;
                case Signal::kHuge: x = i % 2 ? 3e38f : -1e30f; break;
            }
        }
}

Instance::Instance(PluginEntry entry, ValidatorHost& host)
    : effect_(host.instantiate(entry)), host_(host) {
    if (!effect_) throw std::runtime_error("the entry point returned no instance");
    if (effect_->magic != kEffectMagic) throw std::runtime_error("the instance has a bad magic number");
    call(effOpen);
    for (const char* what : {"receiveVstMidiEvent", "receiveVstEvents"}) {
        std::string text = what;
        wantsMidi_ = wantsMidi_ || call(effCanDo, 0, 0, text.data()) == 1;
    }
    for (int i = 0; i < 4; ++i) {
        midi_[i].type = kVstMidiType;
        midi_[i].byteSize = sizeof(VstMidiEvent);
        midiList_.events[i] = reinterpret_cast<VstEvent*>(&midi_[i]);
    }
}

Instance::~Instance() {
    suspend();
    call(effClose);
}

VstIntPtr Instance::call(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) const {
    return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

bool Instance::wantsMidi() const { return wantsMidi_ || host_.askedForMidi; }

void Instance::start(double sampleRate, int maxBlock) {
    host_.time.sampleRate = sampleRate;
    call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    call(effSetBlockSize, 0, maxBlock);
    resume();
}

// A note on, a modulation wheel move, a sustain pedal and the note's end,
// spread over the block and walking up the keyboard from block to block.
void Instance::sendMidi(int frames) {
    const int note = 24 + (blocks_ * 7) % 96;
    const unsigned char messages[4][3] = {{0x90, static_cast<unsigned char>(note), 100},
                                          {0xB0, 1, static_cast<unsigned char>(blocks_ % 128)},
                                          {0xB0, 64, static_cast<unsigned char>(blocks_ % 2 * 127)},
                                          {0x80, static_cast<unsigned char>(note), 0}};
    for (int i = 0; i < 4; ++i) {
        midi_[i].deltaFrames = frames * i / 4;
        std::memcpy(midi_[i].midiData, messages[i], 3);
    }
    midiList_.numEvents = 4;
    call(effProcessEvents, 0, 0, &midiList_);
}

std::string Instance::block(Buffers& b, int frames, Signal kind, std::mt19937& random, bool inPlace) {
    frames = std::min(frames, b.capacity);
    b.fill(kind, frames, random);
    b.saved = b.in;
    b.inputs.clear();
    b.outputs.clear();
    for (auto& channel : b.in) b.inputs.push_back(channel.data());
    for (size_t c = 0; c < b.out.size(); ++c) {
        // Unwritten output frames show up as NaN.
        std::fill(b.out[c].begin(), b.out[c].begin() + frames, std::nanf(""));
        b.outputs.push_back(inPlace && c < b.in.size() ? b.in[c].data() : b.out[c].data());
    }
    if (!effect_->processReplacing)
        for (float* channel : b.outputs) std::fill(channel, channel + frames, 0.0f);
    {
        allocations::Window counting;
        if (wantsMidi() && frames > 0 && blocks_ % 3 == 0) sendMidi(frames);
        if (effect_->processReplacing)
            effect_->processReplacing(effect_, b.inputs.data(), b.outputs.data(), frames);
        else
            effect_->process(effect_, b.inputs.data(), b.outputs.data(), frames);
    }
    ++blocks_;
    host_.advance(frames);
    for (size_t c = 0; c < b.outputs.size(); ++c)
        if (std::string why = badSample(b.outputs[c], frames); !why.empty())
            return why + " on output " + std::to_string(c) + " in a block of " + std::to_string(frames);
    for (size_t c = 0; c < b.in.size() && !inPlace; ++c)
        if (std::memcmp(b.in[c].data(), b.saved[c].data(), sizeof(float) * size_t(frames)) != 0)
            return "input " + std::to_string(c) + " was written to";
    return {};
}

std::string badSample(const float* samples, int frames) {
    for (int i = 0; i < frames; ++i) {
        const float x = samples[i];
        if (std::isfinite(x) && std::fabs(x) <= 1.0f && (x == 0.0f || std::fabs(x) >= FLT_MIN)) continue;
        char text[96];
        std::snprintf(text, sizeof text, "sample %g at frame %d", static_cast<double>(x), i);
        return text;
    }
    return {};
}

std::string textFault(const Instance& instance, VstInt32 opcode, VstInt32 index, size_t limit,
                      std::string* text) {
    constexpr char kMarker = 0x5A;
    char buffer[1024];
    std::memset(buffer, kMarker, sizeof buffer);
    instance.call(opcode, index, 0, buffer);
    const std::string where = "opcode " + std::to_string(opcode) + " index " + std::to_string(index);
    if (std::all_of(buffer, buffer + sizeof buffer, [](char c) { return c == kMarker; })) {
        if (text) text->clear();  // nothing written is no overrun
        return {};
    }
    if (!std::memchr(buffer, 0, limit))
        return where + " wrote no terminator within " + std::to_string(limit) + " bytes";
    for (size_t i = limit; i < sizeof buffer; ++i)
        if (buffer[i] != kMarker) return where + " wrote past " + std::to_string(limit) + " bytes";
    if (text) *text = buffer;
    return {};
}

}  // namespace validator
