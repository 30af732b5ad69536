// Instances come and go as hosts make them: opened and closed again and
// again, many at once closed in any order, and processing called at moments
// a careful host would avoid. And the dispatcher under calls a host should
// not make but some do: every opcode number, odd sample rates, strings of any
// length and indices outside what the record announces; each such check ends
// by seeing that the instance still processes.
#include <array>
#include <climits>
#include <cstring>
#include <memory>

#include "tests/validator/Validator.h"

namespace validator {

// Opcodes whose published meaning reads or writes through ptr (or, for the
// speaker arrangements, through value): the sweep hands them a zeroed buffer
// instead of null.
constexpr VstInt32 kBuffered[] = {
    effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay, effGetParamName, effEditGetRect,
    effEditDraw, effGetChunk, effSetChunk, effProcessEvents, effString2Parameter, effGetProgramNameIndexed,
    effGetInputProperties, effGetOutputProperties, effOfflineNotify, effOfflinePrepare, effOfflineRun,
    effProcessVarIo, effSetSpeakerArrangement, effGetEffectName, effGetErrorText, effGetVendorString,
    effGetProductString, effVendorSpecific, effCanDo, effGetParameterProperties, effGetMidiProgramName,
    effGetCurrentMidiProgram, effGetMidiProgramCategory, effGetMidiKeyName, effGetSpeakerArrangement,
    effShellGetNextPlugin, effBeginLoadBank, effBeginLoadProgram};

void checkInstances(PluginEntry entry, Report& report) {
    report.run("lifecycle: open, process and close ten times", [&] {
        return firstFault(upTo(10), [&](int round) {
            Instance instance(entry, unsigned(round), kStarted);
            return instance.block(512);
        });
    });

    // Instances that share anything behind the host's back fall over when
    // their neighbours close in an order they did not expect.
    report.run("lifecycle: 33 instances closed in a scrambled order", [&] {
        std::vector<std::unique_ptr<Instance>> instances;
        for (unsigned i = 0; i < 33; ++i) instances.push_back(std::make_unique<Instance>(entry, i, kStarted));
        std::shuffle(instances.begin(), instances.end(), std::mt19937(33));
        return firstFault(upTo(33), [&](int) {
            instances.pop_back();
            return firstFault(instances, [](auto& instance) { return instance->block(64); });
        });
    });

    report.run("lifecycle: processing before resume and after suspend", [&] {
        Instance instance(entry, 2);
        instance.prepare();
        if (auto why = instance.block(512); !why.empty()) return "before resume: " + why;
        instance.resume();
        instance.suspend();
        return within("after suspend", instance.block(512));
    });

    report.run("lifecycle: resume and suspend between blocks", [&] {
        Instance instance(entry, 3, kStarted);
        return firstFault(upTo(40), [&](int i) {
            if (i % 3 == 0) instance.suspend();
            if (i % 3 != 2) instance.resume();  // sometimes twice in a row
            return instance.block(1 + i * 12, Signal::kSquare);
        });
    });

    report.run("dispatcher: every opcode 0 to 2000", [&] {
        Instance instance(entry, 0, kStarted);
        alignas(16) static char buffer[64 * 1024];
        for (VstInt32 opcode = 0; opcode <= 2000; ++opcode) {
            if (opcode == effOpen || opcode == effClose || opcode == effEditOpen) continue;
            std::memset(buffer, 0, sizeof buffer);
            const bool viaValue = opcode == effGetSpeakerArrangement || opcode == effSetSpeakerArrangement;
            instance.call(opcode, 0, viaValue ? reinterpret_cast<VstIntPtr>(buffer + 32768) : 0,
                          std::ranges::count(kBuffered, opcode) ? buffer : nullptr);
        }
        return instance.play({44100.0});
    });

    report.run("dispatcher: canDo with an empty and a 1 kB string", [&] {
        Instance instance(entry);
        return firstFault(std::array{std::string(), std::string(1024, 'x')}, [&](std::string text) -> std::string {
            const VstIntPtr answer = instance.call(effCanDo, 0, 0, text.data());
            if (answer >= -1 && answer <= 1) return {};
            return "answered " + std::to_string(answer) + " to a " + std::to_string(text.size()) + " byte string";
        });
    });

    report.run("dispatcher: sample rates 0 and negative",
               [&] { return Instance(entry).play({0.0, -44100.0, 44100.0}); });

    report.run("dispatcher: parameter indices out of range", [&]() -> std::string {
        Instance instance(entry);
        const VstInt32 count = instance->numParams;
        const std::vector<float> before = instance.parameters();
        for (VstInt32 index : {-1, count, count + 1000, 1 << 20, INT_MAX, INT_MIN}) {
            instance.set(index, 0.37f);
            (void)instance.get(index);
        }
        const std::vector<float> after = instance.parameters();
        if (after == before) return instance.play({44100.0});
        return "parameter " + std::to_string(std::ranges::mismatch(after, before).in1 - after.begin()) + " changed";
    });

    report.run("dispatcher: program numbers out of range", [&] {
        Instance instance(entry);
        instance.call(effSetProgram, 0, instance->numPrograms > 1 ? 1 : 0);
        const VstIntPtr current = instance.call(effGetProgram);
        const auto outside = {VstIntPtr{-1}, VstIntPtr{instance->numPrograms}, VstIntPtr{1} << 40, VstIntPtr{INT_MAX}};
        const std::string why = firstFault(outside, [&](VstIntPtr program) -> std::string {
            instance.call(effSetProgram, 0, program);
            if (VstIntPtr now = instance.call(effGetProgram); now != current)
                return "program " + std::to_string(program) + " made the current program " + std::to_string(now);
            return {};
        });
        return why.empty() ? instance.play({44100.0}) : why;
    });

    report.run("dispatcher: texts of indices out of range stay in their buffers", [&] {
        Instance instance(entry);
        const VstInt32 params = instance->numParams, programs = instance->numPrograms;
        std::string why = firstFault(std::array{-1, params, params + 1, 1 << 20},
                                     [&](VstInt32 index) { return parameterTextFault(instance, index); });
        for (VstInt32 index : {-1, programs, 1 << 20})
            if (why.empty()) why = textFault(instance, effGetProgramNameIndexed, index, kVstMaxTextLen);
        for (VstInt32 opcode : {effGetEffectName, effGetVendorString, effGetProductString})
            if (why.empty()) why = textFault(instance, opcode, 0, 64);
        return why;
    });
}

}  // namespace validator
