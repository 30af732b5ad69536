// Parameters as automation lanes and careless hosts write them: every value
// from 0 to 1 with the audio running and stopped, values far outside 0..1, and
// the texts a host shows for each, which must fit its 24-byte fields.
#include <cfloat>
#include <cmath>
#include <limits>

#include "tests/validator/Checks.h"

namespace validator {

static std::string sweep(PluginEntry entry, bool processing) {
    Instance instance(entry, 5);
    instance.start(44100.0, 64);
    if (!processing) instance.suspend();
    return firstFault(upTo(instance->numParams), [&](VstInt32 p) {
        return firstFault(upTo(101), [&](int step) {
            instance.set(p, static_cast<float>(step) * 0.01f);
            const std::string why = parameterTextFault(instance, p);
            if (!why.empty() || !processing) return why;
            return within("parameter " + std::to_string(p) + " at " + std::to_string(step * 0.01), instance.block(32));
        });
    });
}

void checkParameters(PluginEntry entry, Report& report) {
    report.run("parameters: each swept 0 to 1 while processing", [&] { return sweep(entry, true); });
    report.run("parameters: each swept 0 to 1 while suspended", [&] { return sweep(entry, false); });

    report.run("parameters: values outside 0..1, NaN, infinite and subnormal", [&] {
        const float inf = std::numeric_limits<float>::infinity();
        const auto values = {-1.0f, 2.0f, 1e30f, -1e30f, std::nanf(""), inf, -inf, FLT_TRUE_MIN, -FLT_MIN / 2.0f};
        return firstFault(values, [&](float value) {
            Instance instance(entry, 6);
            instance.start();
            std::string why;
            for (VstInt32 p = 0; p < instance->numParams && why.empty(); ++p) {
                instance.set(p, value);
                why = parameterTextFault(instance, p);
            }
            return why.empty() ? within("all parameters at " + std::to_string(value), instance.blocks(8)) : why;
        });
    });

    report.run("parameters: names, labels and displays fit 24 bytes", [&] {
        Instance instance(entry);
        return firstFault(upTo(std::max(41, instance->numParams)),
                          [&](VstInt32 p) { return parameterTextFault(instance, p); });
    });
}

}  // namespace validator
