// Helpers of the parameter and program tests: the Length and Offset curves
// written out from their definitions, and frame counts read back from the
// texts a host shows.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "params/ParameterIds.h"
#include "tests/host/TestHost.h"

namespace params_test {

// (frames / 200000) to the float 1/3.
inline float lengthNormal(double frames) {
    return static_cast<float>(std::pow(frames / 200000.0, static_cast<double>(1.0f / 3.0f)));
}

// A fourth root either side of the centre.
inline float offsetNormal(double frames) {
    const double root = std::pow(std::fabs(frames) / 5000.0, 0.25) * 0.5;
    return static_cast<float>(frames >= 0.0 ? 0.5 + root : 0.5 - root);
}

inline long lengthFrames(const PluginInstance& p) { return std::stol(p.display(kLength)); }
inline double offsetFrames(const PluginInstance& p) { return std::stod(p.display(kOffset)); }

// Exactly `frames` frames of loop length, for divisors of 10584000 (one bar
// at 44100 Hz is 10584000 / tempo frames) while the Offset is 0 frames.
inline void setLengthInFrames(const PluginInstance& p, int frames) {
    p.set(kCmdTempoLength, 10584000.0f / static_cast<float>(frames));
}

inline std::vector<float> allValues(const PluginInstance& p) {
    std::vector<float> values;
    for (int i = 0; i < kNumParams; ++i) values.push_back(p.get(i));
    return values;
}

inline std::vector<std::string> allDisplays(const PluginInstance& p) {
    std::vector<std::string> texts;
    for (int i = 0; i < kNumParams; ++i) texts.push_back(p.display(i));
    return texts;
}

}  // namespace params_test
