// Parameters as automation lanes and careless hosts write them: every value
// from 0 to 1 with the audio running and stopped, values far outside 0..1, and
// the texts a host shows for each, which must fit its 24-byte fields.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "tests/validator/Checks.h"
#include "tests/validator/ValidatorHost.h"

namespace validator {

namespace {

// The texts of parameter `index` fit their buffers, and a real parameter's
// display is never empty.
std::string textsFit(const Instance& instance, VstInt32 index) {
    std::string display;
    for (VstInt32 opcode : {effGetParamName, effGetParamLabel})
        if (auto why = textFault(instance, opcode, index, kVstMaxTextLen); !why.empty()) return why;
    if (auto why = textFault(instance, effGetParamDisplay, index, kVstMaxTextLen, &display); !why.empty())
        return why;
    if (index < instance->numParams && display.empty())
        return "parameter " + std::to_string(index) + " shows an empty display";
    return {};
}

std::string sweep(PluginEntry entry, bool processing) {
    std::mt19937 random(5);
    ValidatorHost host;
    Instance instance(entry, host);
    instance.start(44100.0, 64);
    if (!processing) instance.suspend();
    Buffers buffers(instance.effect(), 64);
    for (VstInt32 p = 0; p < instance->numParams; ++p) {
        for (int step = 0; step <= 100; ++step) {
            instance->setParameter(instance.effect(), p, static_cast<float>(step) * 0.01f);
            if (auto why = textsFit(instance, p); !why.empty()) return why;
            if (!processing) continue;
            if (auto why = instance.block(buffers, 32, Signal::kNoise, random); !why.empty())
                return "parameter " + std::to_string(p) + " at " + std::to_string(step * 0.01) + ": " + why;
        }
    }
    return {};
}

}  // namespace

void checkParameters(PluginEntry entry, Report& report) {
    report.run("parameters: each swept 0 to 1 while processing", [&] { return sweep(entry, true); });
    report.run("parameters: each swept 0 to 1 while suspended", [&] { return sweep(entry, false); });

    report.run("parameters: values outside 0..1, NaN, infinite and subnormal", [&]() -> std::string {
        const float inf = std::numeric_limits<float>::infinity();
        std::mt19937 random(6);
        for (float value : {-1.0f, 2.0f, 1e30f, -1e30f, std::nanf(""), inf, -inf, FLT_TRUE_MIN,
                            -FLT_MIN / 2.0f}) {
            ValidatorHost host;
            Instance instance(entry, host);
            instance.start();
            Buffers buffers(instance.effect(), 512);
            for (VstInt32 p = 0; p < instance->numParams; ++p) {
                instance->setParameter(instance.effect(), p, value);
                if (auto why = textsFit(instance, p); !why.empty()) return why;
            }
            for (int i = 0; i < 8; ++i)
                if (auto why = instance.block(buffers, 512, Signal::kNoise, random); !why.empty())
                    return "all parameters at " + std::to_string(value) + ": " + why;
        }
        return {};
    });

    report.run("parameters: names, labels and displays fit 24 bytes", [&]() -> std::string {
        ValidatorHost host;
        Instance instance(entry, host);
        for (VstInt32 p = 0; p <= std::max(40, instance->numParams - 1); ++p)
            if (auto why = textsFit(instance, p); !why.empty()) return why;
        return {};
    });
}

}  // namespace validator
