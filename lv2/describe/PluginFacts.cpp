#include "lv2/describe/PluginFacts.h"

#include "core/StutterCore.h"
#include "lv2/StartClock.h"
#include "params/FactoryPresets.h"
#include "params/ParameterModel.h"

namespace {

// A host that tells nothing: while an LV2 instance is made, its host tells
// no tempo, so program 0's loop length is not taken from one.
struct SilentHost final : CoreHost {
    void parameterChanged(int, float) override {}
    const EngineClock* hostClock(ClockDetail) override { return nullptr; }
};

}  // namespace

struct PluginFacts::Instance {
    SilentHost host;
    EngineClock clock = lv2StartClock(44100.0);
    StutterCore core{host, &clock};
};

PluginFacts::PluginFacts() : instance(std::make_unique<Instance>()) {
    StutterCore& core = instance->core;
    for (int i = 0; i < kNumParams; ++i) startValues[i] = core.getParameter(i);
    for (int p = 0; p < factoryPresetCount(); ++p) {
        const ProgramRecord& record = core.parameterModel().programRecord(p);
        FactoryProgramFacts facts;
        facts.program = p;
        facts.name = factoryPresetName(p);
        for (int i = 0; i < kNumParams; ++i) facts.values[i] = record.value(i);
        programs.push_back(facts);
    }
}

PluginFacts::~PluginFacts() = default;

std::string PluginFacts::displayText(int parameter, float value) {
    char text[kParameterTextSize + 1] = {};
    instance->core.setParameter(parameter, value);
    instance->core.parameterDisplay(parameter, text);
    return text;
}
