#include "lv2/describe/PluginFacts.h"

#include <cstdio>
#include <cstring>

#include "core/StutterCore.h"

struct PluginFacts::Instance : CoreHost {
    // No time: as at instantiation in an LV2 host, there is no time
    // information yet, so program 0's loop length is not taken from a tempo.
    void parameterChanged(int, float) override {}
    const EngineClock* hostClock(ClockDetail) override { return nullptr; }
    StutterCore effect{*this, nullptr};
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
    StutterCore& effect = instance->effect;
    for (int i = 0; i < kNumParams; ++i) startValues[i] = effect.getParameter(i);
    for (int p = 0; p < kNumPrograms; ++p) {
        const ProgramRecord& record = effect.parameterModel().programRecord(p);
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
    char text[kParameterTextSize + 1] = {};
    instance->effect.setParameter(parameter, value);
    instance->effect.parameterDisplay(parameter, text);
    return text;
}
