// A VST 2 effect that only watches its host: it passes audio through and
// writes every call that matters to the render host into the file named by
// ZARVOLINE_PROBE_LOG, one line each, so tests can check what the host did:
//   open / rate R / block N / program P / param I V / mains 0|1 / start / stop / close
//   process FRAMES SAMPLEPOS PPQ BARSTART TEMPO RATE FLAGS
//   event DELTA STATUS DATA1 DATA2 BYTESIZE TYPE   (read again during processReplacing)
// With ZARVOLINE_PROBE_RAISE=SIGNAL@BLOCK it sends its process SIGNAL while
// processing block BLOCK (0 is the first), as a user ending a render would.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "plugin/vst2.h"

namespace {

constexpr const char* kProgramNames[] = {"Init", "Loud", "Quiet"};
constexpr const char* kParamNames[] = {"Gain", "Drive"};

struct Probe {
    AEffect effect{};
    audioMasterCallback host = nullptr;
    std::FILE* log = nullptr;
    VstEvents* pending = nullptr;  // the host's list for the next block
    int program = 0;
    float params[2] = {0.5f, 0.0f};
    long blocks = 0;
    int raiseSignal = 0;
    long raiseAtBlock = -1;
};

Probe* probeOf(AEffect* effect) { return static_cast<Probe*>(effect->object); }

bool copyText(void* ptr, const char* text) {
    std::snprintf(static_cast<char*>(ptr), kVstMaxTextLen, "%s", text);
    return true;
}

void logEvents(Probe& probe) {
    if (!probe.pending) return;
    for (VstInt32 i = 0; i < probe.pending->numEvents; ++i) {
        const VstEvent* event = probe.pending->events[i];
        const auto* midi = reinterpret_cast<const VstMidiEvent*>(event);
        std::fprintf(probe.log, "event %d %d %d %d %d %d\n", event->deltaFrames,
                     static_cast<unsigned char>(midi->midiData[0]),
                     static_cast<unsigned char>(midi->midiData[1]),
                     static_cast<unsigned char>(midi->midiData[2]), event->byteSize, event->type);
    }
    probe.pending = nullptr;
}

void processReplacing(AEffect* effect, float** inputs, float** outputs, VstInt32 frames) {
    Probe& probe = *probeOf(effect);
    auto* time = reinterpret_cast<VstTimeInfo*>(
        probe.host(effect, audioMasterGetTime, 0, kVstPpqPosValid | kVstTempoValid | kVstBarsValid, nullptr, 0.0f));
    if (time)
        std::fprintf(probe.log, "process %d %.0f %.9f %.9f %.3f %.1f %d\n", frames, time->samplePos,
                     time->ppqPos, time->barStartPos, time->tempo, time->sampleRate, time->flags);
    logEvents(probe);
    if (probe.blocks++ == probe.raiseAtBlock) {
        std::fflush(probe.log);
        std::raise(probe.raiseSignal);
    }
    for (int channel = 0; channel < 2; ++channel)
        std::memcpy(outputs[channel], inputs[channel], sizeof(float) * static_cast<size_t>(frames));
}

VstIntPtr dispatcher(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    Probe& probe = *probeOf(effect);
    const long v = static_cast<long>(value);
    switch (opcode) {
        case effOpen: std::fprintf(probe.log, "open\n"); return 0;
        case effClose:
            std::fprintf(probe.log, "close\n");
            std::fclose(probe.log);
            delete &probe;
            return 0;
        case effSetSampleRate: std::fprintf(probe.log, "rate %.1f\n", opt); return 0;
        case effSetBlockSize: std::fprintf(probe.log, "block %ld\n", v); return 0;
        case effMainsChanged: std::fprintf(probe.log, "mains %ld\n", v); return 0;
        case effStartProcess: std::fprintf(probe.log, "start\n"); return 0;
        case effStopProcess: std::fprintf(probe.log, "stop\n"); return 0;
        case effSetProgram: std::fprintf(probe.log, "program %d\n", probe.program = static_cast<int>(v)); return 0;
        case effGetProgram: return probe.program;
        case effGetProgramNameIndexed: return index >= 0 && index < 3 && copyText(ptr, kProgramNames[index]);
        case effGetParamName: if (index >= 0 && index < 2) copyText(ptr, kParamNames[index]); return 0;
        case effGetEffectName: return copyText(ptr, "Probe");
        case effProcessEvents: probe.pending = static_cast<VstEvents*>(ptr); return 1;
        default: return 0;
    }
}

void setParameter(AEffect* effect, VstInt32 index, float value) {
    if (index < 0 || index >= 2) return;
    probeOf(effect)->params[index] = value;
    std::fprintf(probeOf(effect)->log, "param %d %.6f\n", index, value);
}

float getParameter(AEffect* effect, VstInt32 index) {
    return (index >= 0 && index < 2) ? probeOf(effect)->params[index] : 0.0f;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback host) {
    const char* path = std::getenv("ZARVOLINE_PROBE_LOG");
    std::FILE* log = path ? std::fopen(path, "w") : nullptr;
    if (!log) return nullptr;
    auto* probe = new Probe;
    probe->host = host;
    probe->log = log;
    if (const char* raise = std::getenv("ZARVOLINE_PROBE_RAISE"))
        std::sscanf(raise, "%d@%ld", &probe->raiseSignal, &probe->raiseAtBlock);
    AEffect& e = probe->effect;
    e.magic = kEffectMagic;
    e.dispatcher = dispatcher;
    e.setParameter = setParameter;
    e.getParameter = getParameter;
    e.processReplacing = processReplacing;
    e.numPrograms = 3;
    e.numParams = e.numInputs = e.numOutputs = 2;
    e.flags = effFlagsCanReplacing;
    e.object = probe;
    return &e;
}
