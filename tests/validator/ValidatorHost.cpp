#include "tests/validator/Validator.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace validator {

static thread_local long* allocationCounter = nullptr;  // the processing instance's count

static void fill(std::vector<std::vector<float>>& channels, Signal kind, int frames, std::mt19937& random) {
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const float inf = std::numeric_limits<float>::infinity();
    for (auto& channel : channels)
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

ValidatorHost::ValidatorHost() {
    time.sampleRate = 44100.0;
    time.tempo = 120.0;
    time.timeSigNumerator = time.timeSigDenominator = 4;
    time.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid | kVstBarsValid | kVstTimeSigValid;
}

VstIntPtr ValidatorHost::onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    constexpr VstInt32 kGetSampleRate = 16, kGetBlockSize = 17, kGetProductString = 33;
    switch (opcode) {
        case audioMasterVersion: return 2400;
        case audioMasterWantMidi: askedForMidi = true; return 1;
        case audioMasterGetTime: return provideTime ? reinterpret_cast<VstIntPtr>(&time) : 0;
        case kGetSampleRate:  // the rate a walk made absurd counts as none
            return time.sampleRate > 0.0 && time.sampleRate < 1e12 ? static_cast<VstIntPtr>(time.sampleRate) : 0;
        case kGetBlockSize: return 512;
        case kGetProductString:
            if (ptr) std::strcpy(static_cast<char*>(ptr), "zarvoline-validate");
            return ptr != nullptr;
        default: return 0;
    }
}

Instance::Instance(PluginEntry entry, unsigned seed, bool started) : effect_(host.instantiate(entry)), random_(seed) {
    if (!effect_) throw std::runtime_error("the entry point returned no instance");
    if (effect_->magic != kEffectMagic) throw std::runtime_error("the instance has a bad magic number");
    call(effOpen);
    for (std::string canDo : {"receiveVstMidiEvent", "receiveVstEvents"})
        wantsMidi_ = wantsMidi_ || call(effCanDo, 0, 0, canDo.data()) == 1;
    in_.resize(static_cast<size_t>(std::max(effect_->numInputs, 0)), std::vector<float>(512));
    out_.resize(static_cast<size_t>(std::max(effect_->numOutputs, 0)), std::vector<float>(512));
    if (started) start();
}

Instance::~Instance() {
    suspend();
    call(effClose);
}

void Instance::prepare(double sampleRate, int maxBlock) {
    host.time.sampleRate = sampleRate;
    call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    call(effSetBlockSize, 0, maxBlock);
    capacity_ = maxBlock;
    for (auto* channels : {&in_, &out_})
        for (auto& channel : *channels) channel.resize(static_cast<size_t>(maxBlock));
}

// A note on, a modulation wheel move, a sustain pedal and the note's end,
// spread over the block and walking up the keyboard from block to block.
void Instance::sendMidi(int frames) {
    const auto note = static_cast<char>(24 + (blocksDone_ * 7) % 96), step = static_cast<char>(blocksDone_ % 128);
    const char messages[4][3] = {{char(0x90), note, 100}, {char(0xB0), 1, step},
                                 {char(0xB0), 64, static_cast<char>(step % 2 * 127)}, {char(0x80), note, 0}};
    midiList_.numEvents = 4;
    for (int i = 0; i < 4; ++i) {
        const char* m = messages[i];
        midi_[i] = {kVstMidiType, sizeof(VstMidiEvent), frames * i / 4, 0, 0, 0, {m[0], m[1], m[2], 0}, 0, 0, 0, 0};
        midiList_.events[i] = reinterpret_cast<VstEvent*>(&midi_[i]);
    }
    call(effProcessEvents, 0, 0, &midiList_);
}

std::string Instance::blocks(int count, int frames, Signal kind, std::vector<float>* sound, bool inPlace) {
    frames = std::min(frames, capacity_);
    for (int block = 0; block < count; ++block, ++blocksDone_) {
        fill(in_, kind, frames, random_);
        const auto saved = in_;
        std::vector<float*> inputs, outputs;
        for (auto& channel : in_) inputs.push_back(channel.data());
        for (size_t c = 0; c < out_.size(); ++c) {
            std::fill_n(out_[c].begin(), frames, std::nanf(""));  // unwritten output frames show up as NaN
            outputs.push_back(inPlace && c < in_.size() ? in_[c].data() : out_[c].data());
        }
        if (!effect_->processReplacing)  // process() adds to what is in the outputs
            for (float* channel : outputs) std::fill_n(channel, frames, 0.0f);
        allocationCounter = &allocations;
        if ((wantsMidi_ || host.askedForMidi) && frames > 0 && blocksDone_ % 3 == 0) sendMidi(frames);
        (effect_->processReplacing ? effect_->processReplacing : effect_->process)(effect_, inputs.data(),
                                                                                 outputs.data(), frames);
        allocationCounter = nullptr;
        if (VstTimeInfo& time = host.time; time.flags & kVstTransportPlaying) {  // the next block's position
            time.samplePos += frames;
            if (time.sampleRate > 0.0 && std::isfinite(time.tempo))
                time.ppqPos += frames / time.sampleRate * time.tempo / 60.0;
            time.barStartPos = std::floor(time.ppqPos / 4.0) * 4.0;
        }
        for (size_t c = 0; c < outputs.size(); ++c)
            if (std::string why = badSample(outputs[c], frames); !why.empty())
                return why + " on output " + std::to_string(c) + " in a block of " + std::to_string(frames);
        for (size_t c = 0; c < in_.size() && !inPlace; ++c)
            if (std::memcmp(in_[c].data(), saved[c].data(), sizeof(float) * size_t(frames)) != 0)
                return "input " + std::to_string(c) + " was written to";
        if (sound)
            for (float* channel : outputs) sound->insert(sound->end(), channel, channel + frames);
    }
    return {};
}

std::string Instance::play(std::initializer_list<double> rates, int count) {
    return firstFault(rates, [&](double rate) {
        start(rate);
        std::string why = blocks(count);
        suspend();
        return within("at " + std::to_string(rate) + " Hz", why);
    });
}

std::string textFault(const Instance& instance, VstInt32 opcode, VstInt32 index, size_t limit, std::string* text) {
    constexpr char kMarker = 0x5A;
    char buffer[1024];
    std::memset(buffer, kMarker, sizeof buffer);
    instance.call(opcode, index, 0, buffer);
    const std::string where = "opcode " + std::to_string(opcode) + " index " + std::to_string(index);
    if (text) text->clear();
    if (std::all_of(buffer, buffer + sizeof buffer, [](char c) { return c == kMarker; })) return {};  // no overrun
    if (!std::memchr(buffer, 0, limit))
        return where + " wrote no terminator within " + std::to_string(limit) + " bytes";
    for (size_t i = limit; i < sizeof buffer; ++i)
        if (buffer[i] != kMarker) return where + " wrote past " + std::to_string(limit) + " bytes";
    if (text) *text = buffer;
    return {};
}

std::string parameterTextFault(const Instance& instance, VstInt32 index) {
    std::string why, display;
    for (VstInt32 opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay})
        if (why.empty()) why = textFault(instance, opcode, index, kVstMaxTextLen, &display);
    if (why.empty() && index >= 0 && index < instance->numParams && display.empty())
        why = "parameter " + std::to_string(index) + " shows an empty display";
    return why;
}

}  // namespace validator

#if defined(ZARVOLINE_SANITIZED)
bool validator::countingAllocations() { return false; }
#else
bool validator::countingAllocations() { return true; }

// The C library's allocator behind its exported names. Every operator new and
// delete, ours or a plug-in's own linked-in copy, ends in one of the functions
// below, which the executable exports in place of the C library's.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);

static void noteCall() {
    if (validator::allocationCounter) ++*validator::allocationCounter;
}

// clang-format off
void* malloc(size_t size) { noteCall(); return __libc_malloc(size); }
void* calloc(size_t count, size_t size) { noteCall(); return __libc_calloc(count, size); }
void* realloc(void* pointer, size_t size) { noteCall(); return __libc_realloc(pointer, size); }
void* memalign(size_t alignment, size_t size) { noteCall(); return __libc_memalign(alignment, size); }
void* aligned_alloc(size_t alignment, size_t size) { noteCall(); return __libc_memalign(alignment, size); }
void free(void* pointer) { noteCall(); __libc_free(pointer); }
// clang-format on
int posix_memalign(void** out, size_t alignment, size_t size) {
    noteCall();
    return (*out = __libc_memalign(alignment, size)) ? 0 : ENOMEM;
}
}
#endif
