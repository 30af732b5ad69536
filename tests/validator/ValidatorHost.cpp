#include "tests/validator/Validator.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace validator {

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

Instance::Instance(PluginEntry entry, unsigned seed, bool started) : Processor(seed), effect_(host.instantiate(entry)) {
    if (!effect_) throw std::runtime_error("the entry point returned no instance");
    if (effect_->magic != kEffectMagic) throw std::runtime_error("the instance has a bad magic number");
    call(effOpen);
    for (std::string canDo : {"receiveVstMidiEvent", "receiveVstEvents"})
        wantsMidi_ = wantsMidi_ || call(effCanDo, 0, 0, canDo.data()) == 1;
    if (started) start();
}

Instance::~Instance() {
    suspend();
    call(effClose);
}

void Instance::configure(double sampleRate, int maxBlock) {
    host.time.sampleRate = sampleRate;
    call(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
    call(effSetBlockSize, 0, maxBlock);
}

void Instance::sendMidi(int frames, int blockNumber) {
    const MidiMessages messages = blockMidi(blockNumber);
    midiList_.numEvents = 4;
    for (int i = 0; i < 4; ++i) {
        const auto m = [&](int b) { return static_cast<char>(messages[i][b]); };
        midi_[i] = {kVstMidiType, sizeof(VstMidiEvent), frames * i / 4, 0, 0, 0, {m(0), m(1), m(2), 0}, 0, 0, 0, 0};
        midiList_.events[i] = reinterpret_cast<VstEvent*>(&midi_[i]);
    }
    call(effProcessEvents, 0, 0, &midiList_);
}

void Instance::process(float** inputs, float** outputs, int frames, int blockNumber) {
    if ((wantsMidi_ || host.askedForMidi) && frames > 0 && blockNumber % 3 == 0) sendMidi(frames, blockNumber);
    if (!effect_->processReplacing)  // process() adds to what is in the outputs
        for (int c = 0; c < effect_->numOutputs; ++c) std::fill_n(outputs[c], frames, 0.0f);
    (effect_->processReplacing ? effect_->processReplacing : effect_->process)(effect_, inputs, outputs, frames);
}

Transport Instance::transport() const {
    const VstTimeInfo& time = host.time;
    return {host.provideTime, (time.flags & kVstTransportPlaying) != 0, time.samplePos, time.ppqPos, time.tempo};
}

void Instance::setTransport(const Transport& transport) {
    VstTimeInfo& time = host.time;
    host.provideTime = transport.provided;
    time.flags = transport.playing ? time.flags | kVstTransportPlaying : time.flags & ~kVstTransportPlaying;
    time.samplePos = transport.samplePos;
    time.ppqPos = transport.ppqPos;
    time.barStartPos = std::floor(time.ppqPos / 4.0) * 4.0;
    time.tempo = transport.tempo;
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

std::string Instance::parameterTextFault(int index) const { return validator::parameterTextFault(*this, index); }

std::string parameterTextFault(const Instance& instance, VstInt32 index) {
    std::string why, display;
    for (VstInt32 opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay})
        if (why.empty()) why = textFault(instance, opcode, index, kVstMaxTextLen, &display);
    if (why.empty() && index >= 0 && index < instance->numParams && display.empty())
        why = "parameter " + std::to_string(index) + " shows an empty display";
    return why;
}

}  // namespace validator

