#include "lv2/describe/PluginFacts.h"

#include <cstdio>
#include <cstring>

#include "plugin/StutterEffect.h"

struct PluginFacts::Instance {
    // No host: as at instantiation in an LV2 host, there is no time
    // information yet, so program 0's loop length is not taken from a tempo.
    StutterEffect effect{nullptr};
};

namespace {

// Programs the factory did not fill keep the name "QLX-" and their number.
bool isFactoryProgram(const ProgramRecord& record, int program) {
    char unfilled[kProgramNameSize];
    std::snprintf(unfilled, sizeof unfilled, "QLX-%i", program);
    return std::strcmp(record.name, unfilled) != 0;
}

}  // namespace

PluginFacts::PluginFacts() : instance(std::make_unique<Instance>()) {
    StutterEffect& effect = instance->effect;
    for (int i = 0; i < kNumParams; ++i) startValues[i] = effect.getParameter(i);
    for (int p = 0; p < kNumPrograms; ++p) {
        const ProgramRecord& record = effect.program(p);
        if (!isFactoryProgram(record, p)) continue;
        FactoryProgramFacts facts;
        facts.program = p;
        facts.name = record.name;
        for (int i = 0; i < kNumParams; ++i) facts.values[i] = record.value(i);
        programs.push_back(facts);
    }
}

PluginFacts::~PluginFacts() = default;

std::string PluginFacts::displayText(int parameter, float value) {
    char text[kVstMaxTextLen + 1] = {};
    instance->effect.setParameter(parameter, value);
    instance->effect.getParameterDisplay(parameter, text);
    return text;
}
