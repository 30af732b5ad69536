// State as hosts without chunks keep it: each program's parameter values and
// name, read back and written into a fresh instance, must give the same
// values, the same name and, bit for bit, the same sound.
#include <cstring>
#include <stdexcept>

#include "tests/validator/Checks.h"

namespace validator {

namespace {

struct Saved {
    std::vector<float> values;
    std::string name;
};

Saved save(const Instance& instance) {
    Saved saved{instance.parameters(), {}};
    if (auto why = textFault(instance, effGetProgramName, 0, kVstMaxTextLen, &saved.name); !why.empty())
        throw std::runtime_error(why);
    return saved;
}

// A quarter of a second of the instance's seeded noise and the same playing transport.
std::vector<float> render(Instance& instance) {
    std::vector<float> sound;
    instance.start();
    if (auto why = instance.blocks(25, 441, Signal::kNoise, &sound); !why.empty()) throw std::runtime_error(why);
    return sound;
}

std::string restoreProgram(PluginEntry entry, VstInt32 program) {
    Instance original(entry, 17), restored(entry, 17);
    original.call(effSetProgram, 0, program);
    const Saved saved = save(original);
    restored.call(effSetProgram, 0, program);
    for (VstInt32 p = 0; p < restored->numParams; ++p)
        restored->setParameter(restored.effect(), p, saved.values[size_t(p)]);
    std::string name = saved.name;
    restored.call(effSetProgramName, 0, 0, name.data());
    const Saved again = save(restored);
    for (size_t p = 0; p < saved.values.size(); ++p)
        if (std::memcmp(&again.values[p], &saved.values[p], sizeof(float)) != 0)
            return "parameter " + std::to_string(p) + " read back " + std::to_string(again.values[p]) +
                   " instead of " + std::to_string(saved.values[p]);
    if (again.name != saved.name) return "the name read back \"" + again.name + "\"";
    return render(original) == render(restored) ? "" : "the restored program sounds different";
}

}  // namespace

void checkState(PluginEntry entry, Report& report) {
    const VstInt32 programs = Instance(entry)->numPrograms;
    for (VstInt32 program = 0; program < programs; ++program)
        report.run("state: program " + std::to_string(program) + " restored through its parameters and name",
                   [&] { return restoreProgram(entry, program); });
}

}  // namespace validator
