// What the description of the bundle takes from the plug-in itself, read off
// a fresh instance as a host would get one: the values it starts with, its
// factory programs and the texts it shows for values. Nothing here is copied
// by hand, so the bundle always describes the plug-in that was built.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "params/ParameterIds.h"

struct FactoryProgramFacts {
    int program = 0;
    std::string name;
    std::array<float, kNumParams> values{};
};

class PluginFacts {
public:
    PluginFacts();
    ~PluginFacts();
    PluginFacts(const PluginFacts&) = delete;
    PluginFacts& operator=(const PluginFacts&) = delete;

    // A fresh instance's value of the parameter (program 0's, as loaded).
    float startValue(int parameter) const { return startValues[parameter]; }
    const std::vector<FactoryProgramFacts>& factoryPrograms() const { return programs; }
    // The text the plug-in shows for the parameter at this value.
    std::string displayText(int parameter, float value);

private:
    struct Instance;
    std::unique_ptr<Instance> instance;
    std::array<float, kNumParams> startValues{};
    std::vector<FactoryProgramFacts> programs;
};
