// State as hosts without chunks keep it: each program's parameter values and
// name, read back and written into a fresh instance, must give the same
// values, the same name and, bit for bit, the same sound.
#include <cstring>
#include <stdexcept>

#include "tests/validator/Checks.h"

namespace validator {

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
    const VstInt32 programs = Instance(entry)->numPrograms;
    for (VstInt32 program = 0; program < programs; ++program)
        report.run("state: program " + std::to_string(program) + " restored through its parameters and name",
                   [&] { return restoreProgram(entry, program); });
}

}  // namespace validator
