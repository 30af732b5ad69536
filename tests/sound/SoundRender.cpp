#include "tests/sound/SoundRender.h"

#include <algorithm>
#include <cstring>

namespace {

// Answers the version and the time: the transport at the block's first frame.
class RenderingHost : public Host {
public:
    VstTimeInfo time{};

    VstIntPtr onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) override {
        if (opcode == audioMasterVersion) return 2400;
        if (opcode == audioMasterGetTime) return reinterpret_cast<VstIntPtr>(&time);
        return 0;
    }
};

void perform(AEffect* effect, const HostAction& action) {
    switch (action.kind) {
        case HostAction::kSetParameter: effect->setParameter(effect, action.index, action.value); break;
        case HostAction::kSetProgram: dispatch(effect, effSetProgram, 0, action.index); break;
        case HostAction::kRestart:
            dispatch(effect, effMainsChanged, 0, 0);
            dispatch(effect, effMainsChanged, 0, 1);
            break;
        case HostAction::kMidi: {
            VstMidiEvent event{};
            event.type = kVstMidiType;
            event.byteSize = sizeof(VstMidiEvent);
            std::memcpy(event.midiData, action.midi, 3);
            VstEvents events{};
            events.numEvents = 1;
            events.events[0] = reinterpret_cast<VstEvent*>(&event);
            dispatch(effect, effProcessEvents, 0, 0, &events);
            break;
        }
    }
}

}  // namespace

std::vector<float> renderCase(PluginEntry entry, const SoundCase& sound) {
    RenderingHost host;
    host.time.sampleRate = sound.sampleRate;
    host.time.tempo = sound.tempo;
    host.time.timeSigNumerator = 4;
    host.time.timeSigDenominator = 4;
    host.time.flags = kVstTempoValid | kVstPpqPosValid | kVstBarsValid | kVstTimeSigValid |
                      (sound.playing ? kVstTransportPlaying : 0);
    AEffect* effect = host.instantiate(entry);
    if (!effect) return {};
    dispatch(effect, effSetSampleRate, 0, 0, nullptr, static_cast<float>(sound.sampleRate));
    dispatch(effect, effSetBlockSize, 0, sound.block);
    dispatch(effect, effMainsChanged, 0, 1);

    const std::vector<float> input = testSignal(sound);
    std::vector<float> output(input.size());
    std::vector<float> inL(static_cast<size_t>(sound.block)), inR(inL.size());
    std::vector<float> outL(inL.size()), outR(inL.size());
    float* inputs[2] = {inL.data(), inR.data()};
    float* outputs[2] = {outL.data(), outR.data()};

    std::vector<ScheduledAction> actions = sound.actions;
    std::stable_sort(actions.begin(), actions.end(),
                     [](const ScheduledAction& a, const ScheduledAction& b) { return a.block < b.block; });
    auto next = actions.begin();
    int32_t block = 0;
    for (int32_t at = 0; at < sound.frames; at += sound.block, ++block) {
        for (; next != actions.end() && next->block <= block; ++next) perform(effect, next->action);
        const int32_t frames = std::min(sound.block, sound.frames - at);
        for (int32_t i = 0; i < frames; ++i) {
            inL[static_cast<size_t>(i)] = input[2 * static_cast<size_t>(at + i)];
            inR[static_cast<size_t>(i)] = input[2 * static_cast<size_t>(at + i) + 1];
        }
        host.time.samplePos = sound.playing ? at : 0.0;
        effect->processReplacing(effect, inputs, outputs, frames);
        for (int32_t i = 0; i < frames; ++i) {
            output[2 * static_cast<size_t>(at + i)] = outL[static_cast<size_t>(i)];
            output[2 * static_cast<size_t>(at + i) + 1] = outR[static_cast<size_t>(i)];
        }
    }
    dispatch(effect, effMainsChanged, 0, 0);
    dispatch(effect, effClose);
    return output;
}

uint64_t fingerprint(const std::vector<float>& samples) {
    uint64_t hash = 14695981039346656037ull;
    for (float sample : samples) {
        uint32_t bits;
        std::memcpy(&bits, &sample, sizeof bits);
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (bits >> (8 * byte)) & 0xFFu;
            hash *= 1099511628211ull;
        }
    }
    return hash;
}
