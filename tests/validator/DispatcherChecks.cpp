// The dispatcher under calls a host should not make but some do: every
// opcode number, odd sample rates, strings of any length and indices outside
// what the record announces.
#include <climits>
#include <cstring>

#include "tests/validator/Checks.h"
#include "tests/validator/ValidatorHost.h"

namespace validator {

namespace {

// Opcodes whose published meaning reads or writes through ptr (or, for the
// speaker arrangements, through value): the sweep hands them a zeroed buffer
// instead of null.
bool needsBuffer(VstInt32 opcode) {
    switch (opcode) {
        case effSetProgramName: case effGetProgramName: case effGetParamLabel:
        case effGetParamDisplay: case effGetParamName: case effEditGetRect: case effEditDraw:
        case effGetChunk: case effSetChunk: case effProcessEvents: case effString2Parameter:
        case effGetProgramNameIndexed: case effGetInputProperties: case effGetOutputProperties:
        case effOfflineNotify: case effOfflinePrepare: case effOfflineRun: case effProcessVarIo:
        case effSetSpeakerArrangement: case effGetEffectName: case effGetErrorText:
        case effGetVendorString: case effGetProductString: case effVendorSpecific: case effCanDo:
        case effGetParameterProperties: case effGetMidiProgramName: case effGetCurrentMidiProgram:
        case effGetMidiProgramCategory: case effGetMidiKeyName: case effGetSpeakerArrangement:
        case effShellGetNextPlugin: case effBeginLoadBank: case effBeginLoadProgram:
            return true;
        default: return false;
    }
}

// A few blocks after a resume, to see that the instance still works.
std::string stillProcesses(Instance& instance, double sampleRate = 44100.0) {
    std::mt19937 random(4);
    instance.start(sampleRate, 512);
    Buffers buffers(instance.effect(), 512);
    for (int i = 0; i < 8; ++i)
        if (auto why = instance.block(buffers, 512, Signal::kNoise, random); !why.empty())
            return why;
    instance.suspend();
    return {};
}

}  // namespace

void checkDispatcher(PluginEntry entry, Report& report) {
    report.run("dispatcher: every opcode 0 to 2000", [&]() -> std::string {
        ValidatorHost host;
        Instance instance(entry, host);
        instance.start();
        alignas(16) static char buffer[64 * 1024];
        for (VstInt32 opcode = 0; opcode <= 2000; ++opcode) {
            if (opcode == effOpen || opcode == effClose || opcode == effEditOpen) continue;
            std::memset(buffer, 0, sizeof buffer);
            const bool buffered = needsBuffer(opcode);
            const bool viaValue = opcode == effGetSpeakerArrangement || opcode == effSetSpeakerArrangement;
            instance.call(opcode, 0, viaValue ? reinterpret_cast<VstIntPtr>(buffer + 32768) : 0,
                          buffered ? buffer : nullptr);
        }
        return stillProcesses(instance);
    });

    report.run("dispatcher: canDo with an empty and a 1 kB string", [&]() -> std::string {
        ValidatorHost host;
        Instance instance(entry, host);
        for (std::string text : {std::string(), std::string(1024, 'x')})
            if (VstIntPtr answer = instance.call(effCanDo, 0, 0, text.data()); answer < -1 || answer > 1)
                return "answered " + std::to_string(answer) + " to a " + std::to_string(text.size()) +
                       " byte string";
        return {};
    });

    report.run("dispatcher: sample rates 0 and negative", [&]() -> std::string {
        ValidatorHost host;
        Instance instance(entry, host);
        for (double rate : {0.0, -44100.0})
            if (auto why = stillProcesses(instance, rate); !why.empty())
                return "at " + std::to_string(rate) + " Hz: " + why;
        return stillProcesses(instance);
    });

    report.run("dispatcher: parameter indices out of range", [&]() -> std::string {
        ValidatorHost host;
        Instance instance(entry, host);
        const VstInt32 count = instance->numParams;
        std::vector<float> before;
        for (VstInt32 p = 0; p < count; ++p) before.push_back(instance->getParameter(instance.effect(), p));
        for (VstInt32 index : {-1, count, count + 1000, 1 << 20, INT_MAX, INT_MIN}) {
            instance->setParameter(instance.effect(), index, 0.37f);
            (void)instance->getParameter(instance.effect(), index);
        }
        for (VstInt32 p = 0; p < count; ++p)
            if (instance->getParameter(instance.effect(), p) != before[size_t(p)])
                return "parameter " + std::to_string(p) + " changed";
        return stillProcesses(instance);
    });

    report.run("dispatcher: program numbers out of range", [&]() -> std::string {
        ValidatorHost host;
        Instance instance(entry, host);
        const VstInt32 count = instance->numPrograms;
        const VstIntPtr chosen = count > 1 ? 1 : 0;
        instance.call(effSetProgram, 0, chosen);
        const VstIntPtr current = instance.call(effGetProgram);
        for (VstIntPtr outside : {VstIntPtr{-1}, VstIntPtr{count}, VstIntPtr{1} << 40, VstIntPtr{INT_MAX}}) {
            instance.call(effSetProgram, 0, outside);
            if (VstIntPtr now = instance.call(effGetProgram); now != current)
                return "program " + std::to_string(outside) + " made the current program " +
                       std::to_string(now);
        }
        return stillProcesses(instance);
    });

    report.run("dispatcher: texts of indices out of range stay in their buffers", [&]() -> std::string {
        ValidatorHost host;
        Instance instance(entry, host);
        const VstInt32 params = instance->numParams, programs = instance->numPrograms;
        for (VstInt32 index : {-1, params, params + 1, 1 << 20})
            for (VstInt32 opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay})
                if (auto why = textFault(instance, opcode, index, kVstMaxTextLen); !why.empty()) return why;
        for (VstInt32 index : {-1, programs, 1 << 20})
            if (auto why = textFault(instance, effGetProgramNameIndexed, index, kVstMaxTextLen); !why.empty())
                return why;
        for (VstInt32 opcode : {effGetEffectName, effGetVendorString, effGetProductString})
            if (auto why = textFault(instance, opcode, 0, 64); !why.empty()) return why;
        return {};
    });
}

}  // namespace validator
