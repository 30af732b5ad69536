// State as hosts without chunks keep it: each program's parameter values and
// name, read back and written into a fresh instance, must give the same
// values, the same name and, bit for bit, the same sound.
#include <cstring>
#include <stdexcept>

#include "tests/validator/Checks.h"
#include "tests/validator/ValidatorHost.h"

namespace validator {

namespace {

struct Saved {
    std::vector<float> values;
    std::string name;
};

Saved save(const Instance& instance) {
    Saved saved;
    for (VstInt32 p = 0; p < instance->numParams; ++p)
        saved.values.push_back(instance->getParameter(instance.effect(), p));
    if (auto why = textFault(instance, effGetProgramName, 0, kVstMaxTextLen, &saved.name); !why.empty())
        throw std::runtime_error(why);
    return saved;
}

// A quarter of a second of the same seeded noise and the same playing transport.
std::vector<float> render(Instance& instance) {
    std::mt19937 random(17);
    instance.start();
    Buffers buffers(instance.effect(), 441);
    std::vector<float> sound;
    for (int i = 0; i < 25; ++i) {
        if (auto why = instance.block(buffers, 441, Signal::kNoise, random); !why.empty())
            throw std::runtime_error(why);
        for (float* channel : buffers.outputs) sound.insert(sound.end(), channel, channel + 441);
    }
    return sound;
}

std::string restoreProgram(PluginEntry entry, VstInt32 program) {
    ValidatorHost originalHost, restoredHost;
    Instance original(entry, originalHost), restored(entry, restoredHost);
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
    return render(original) == render(restored) ? std::string() : "the restored program sounds different";
}

}  // namespace

void checkState(PluginEntry entry, Report& report) {
    ValidatorHost host;
    Instance probe(entry, host);
    for (VstInt32 program = 0; program < probe->numPrograms; ++program)
        report.run("state: program " + std::to_string(program) + " restored through its parameters and name",
                   [&] { return restoreProgram(entry, program); });
}

}  // namespace validator
