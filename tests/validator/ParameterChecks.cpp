// Parameters as automation lanes and careless hosts write them: every value
// from 0 to 1 with the audio running and stopped, values far outside 0..1, and
// the texts a host shows for each (for VST 2, within its 24-byte fields). And
// state as hosts without chunks keep it: each program's parameter values and
// name, read back and written into a fresh instance, must give the same
// values, the same name and, bit for bit, the same sound.
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "tests/validator/Validator.h"

namespace validator {

void checkParameters(const MakeProcessor& make, Report& report) {
    for (const bool processing : {true, false})
        report.run(std::string("parameters: each swept 0 to 1 while ") + (processing ? "processing" : "suspended"), [&] {
            const auto instance = make(5, false);
            instance->start(44100.0, 64);
            if (!processing) instance->suspend();
            return firstFault(upTo(instance->parameterCount()), [&](int p) {
                return firstFault(upTo(101), [&](int step) {
                    instance->setParameter(p, static_cast<float>(step) * 0.01f);
                    const std::string why = instance->parameterTextFault(p);
                    if (!why.empty() || !processing) return why;
                    return within("parameter " + std::to_string(p) + " at " + std::to_string(step * 0.01),
                                  instance->block(32));
                });
            });
        });

    report.run("parameters: values outside 0..1, NaN, infinite and subnormal", [&] {
        const float inf = std::numeric_limits<float>::infinity();
        const auto values = {-1.0f, 2.0f, 1e30f, -1e30f, std::nanf(""), inf, -inf, FLT_TRUE_MIN, -FLT_MIN / 2.0f};
        return firstFault(values, [&](float value) {
            const auto instance = make(6, kStarted);
            const std::string why = firstFault(upTo(instance->parameterCount()), [&](int p) {
                instance->setParameter(p, value);
                return instance->parameterTextFault(p);
            });
            return why.empty() ? within("all parameters at " + std::to_string(value), instance->blocks(8)) : why;
        });
    });
}

void checkParameterTexts(PluginEntry entry, Report& report) {
    report.run("parameters: names, labels and displays fit 24 bytes", [&] {
        Instance instance(entry);
        return firstFault(upTo(std::max(41, instance->numParams)),
                          [&](VstInt32 p) { return parameterTextFault(instance, p); });
    });
}

// The parameter values and program name, as such a host reads them.
static std::pair<std::vector<float>, std::string> save(const Instance& instance) {
    std::string name;
    if (auto why = textFault(instance, effGetProgramName, 0, kVstMaxTextLen, &name); !why.empty())
        throw std::runtime_error(why);
    return {instance.parameters(), name};
}

// A quarter of a second of the instance's seeded noise, the transport playing.
static std::vector<float> render(Instance& instance) {
    std::vector<float> sound;
    instance.start();
    if (auto why = instance.blocks(25, 441, Signal::kNoise, &sound); !why.empty()) throw std::runtime_error(why);
    return sound;
}

static std::string restoreProgram(PluginEntry entry, VstInt32 program) {
    Instance original(entry, 17), restored(entry, 17);
    original.call(effSetProgram, 0, program);
    auto [values, name] = save(original);
    restored.call(effSetProgram, 0, program);
    for (size_t p = 0; p < values.size(); ++p) restored.set(VstInt32(p), values[p]);
    restored.call(effSetProgramName, 0, 0, std::string(name).data());
    const auto [valuesBack, nameBack] = save(restored);
    for (size_t p = 0; p < values.size(); ++p)
        if (std::memcmp(&valuesBack[p], &values[p], sizeof(float)) != 0)
            return "parameter " + std::to_string(p) + " read back " + std::to_string(valuesBack[p]) +
                   " instead of " + std::to_string(values[p]);
    if (nameBack != name) return "the name read back \"" + nameBack + "\"";
    return render(original) == render(restored) ? "" : "the restored program sounds different";
}

void checkState(PluginEntry entry, Report& report) {
    for (const VstInt32 program : upTo(Instance(entry)->numPrograms))
        report.run("state: program " + std::to_string(program) + " restored through its parameters and name",
                   [&] { return restoreProgram(entry, program); });
}

}  // namespace validator
