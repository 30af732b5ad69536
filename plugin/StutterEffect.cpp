#include "plugin/StutterEffect.h"

#include <cstring>

#include "engine/DenormalGuard.h"
#include "engine/SampleGuard.h"
#include "plugin/AEffEditor.h"

namespace {

void copyText(char* destination, const char* source) {
    std::strncpy(destination, source, kVstMaxTextLen - 1);
    destination[kVstMaxTextLen - 1] = 0;
}

// What the engine reads of the time information: the sample position, the
// rate, the tempo and whether the transport plays.
constexpr VstInt32 kClockRequest = kVstPpqPosValid | kVstTempoValid | kVstBarsValid;

}  // namespace

// The core asks for the host's time while it is being made, so the base
// class (and its host callback) comes first.
StutterEffect::StutterEffect(audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams), core(*this, askClock(kClockRequest, userClock)) {
    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing(true);
    setUniqueID(kZarvolineId);
    suspend();
    if (editor) editor->postUpdate();
}

StutterEffect::~StutterEffect() = default;

const EngineClock* StutterEffect::askClock(VstInt32 request, EngineClock& into) {
    const VstTimeInfo* time = getTimeInfo(request);
    if (!time) return nullptr;
    into.known = true;
    into.sampleRate = time->sampleRate;
    into.tempo = time->tempo;
    // The editor's tempo commands read no more than these two: the
    // position is left alone, which the host's audio thread moves.
    if (&into == &userCommandClock) return &into;
    into.playing = (time->flags & kVstTransportPlaying) != 0;
    into.samplePosition = time->samplePos;
    return &into;
}

const EngineClock* StutterEffect::hostClock(ClockDetail detail) {
    const bool onAudioThread =
        std::this_thread::get_id() == audioThread.load(std::memory_order_relaxed);
    return askClock(detail == ClockDetail::kTempo ? kVstTempoValid : kClockRequest,
                    onAudioThread ? audioQueryClock : userCommandClock);
}

void StutterEffect::resume() {
    wantEvents(1);
    // The one time query of a resume: hosts answer with the whole record.
    core.resume(askClock(kVstTempoValid, userClock));
}

void StutterEffect::process(float** inputs, float** outputs, VstInt32 frames) {
    const DenormalGuard denormals;
    for (int channel = 0; channel < 2; ++channel) {
        const float* in = inputs[channel];
        float* out = outputs[channel];
        for (VstInt32 i = 0; i < frames; ++i) out[i] = safeOutput(out[i] + safeInput(in[i]));
    }
}

void StutterEffect::processReplacing(float** inputs, float** outputs, VstInt32 frames) {
    audioThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
    core.process(inputs, outputs, frames, askClock(kClockRequest, audioClock));
}

VstInt32 StutterEffect::processEvents(VstEvents* events) {
    if (!events) return 1;
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = events->events[i];
        // Only whole MIDI events: a short byteSize would leave the bytes unread.
        if (!event || event->type != kVstMidiType ||
            event->byteSize < static_cast<VstInt32>(sizeof(VstMidiEvent) - 8))
            continue;
        const auto* bytes = reinterpret_cast<const uint8_t*>(
            reinterpret_cast<const VstMidiEvent*>(event)->midiData);
        core.midiMessage(bytes[0], bytes[1], bytes[2]);
    }
    return 1;
}

bool StutterEffect::getProgramNameIndexed(VstInt32 /*category*/, VstInt32 index, char* text) {
    if (!text || index < 0 || index >= kNumPrograms) return false;
    core.programName(index, text);
    return true;
}

bool StutterEffect::getEffectName(char* name) {
    copyText(name, "Zarvoline");
    return true;
}

bool StutterEffect::getVendorString(char* text) {
    copyText(text, "Velmora");
    return true;
}

bool StutterEffect::getProductString(char* text) { return getEffectName(text); }

VstInt32 StutterEffect::canDo(char* text) {
    static const char* const kCapabilities[] = {"receiveVstEvents", "receiveVstMidiEvent",
                                                "receiveVstTimeInfo"};
    for (const char* capability : kCapabilities)
        if (std::strcmp(text, capability) == 0) return 1;
    return -1;
}

void StutterEffect::updateEditorParameter(VstInt32 /*index*/, float /*value*/) {
    if (editor) editor->postUpdate();
}
