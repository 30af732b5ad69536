// Signals and knob values of the engine tests: signals whose samples say
// which input frame they came from, sines, levels, and knob values for exact
// loop lengths and menu entries. No plug-in format involved.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "common/Truncate.h"
#include "params/ParameterIds.h"

namespace engine_test {

// A stereo signal, one vector per channel.
struct Stereo {
    std::vector<float> left, right;

    explicit Stereo(size_t frames = 0, float value = 0.0f)
        : left(frames, value), right(frames, value) {}
    size_t size() const { return left.size(); }
};

// Frame n of a ramp is n / 2^20 on the left and -n / 2^20 on the right: every
// sample is exact in float and survives the finest bit crush unchanged, so an
// output sample names the recorded frame it was read from.
constexpr double kRampStep = 1.0 / 1048576.0;

inline Stereo ramp(size_t frames, size_t first = 0) {
    Stereo s(frames);
    for (size_t i = 0; i < frames; ++i) {
        s.left[i] = static_cast<float>(static_cast<double>(first + i) * kRampStep);
        s.right[i] = -s.left[i];
    }
    return s;
}

// The input frame a ramp sample came from.
inline long rampFrame(float sample) { return std::lround(sample / kRampStep); }

// The Length value that the cube-law curve turns into exactly `frames`.
inline float lengthValue(int32_t frames) {
    auto framesOf = [](float v) { return truncInt(static_cast<double>(v) * v * v * 200000.0); };
    float v = std::cbrt(static_cast<float>(frames) / 200000.0f);
    for (int i = 0; i < 4096 && framesOf(v) < frames; ++i) v = std::nextafter(v, 2.0f);
    for (int i = 0; i < 4096 && framesOf(v) > frames; ++i) v = std::nextafter(v, -1.0f);
    return v;
}

// The Repeats value for n plays per slice.
inline float repeatsValue(int n) { return static_cast<float>(n - 1) / 16.0f; }

// Selections of the stepped parameters, by menu entry.
inline float recOffsetValue(int mode) { return static_cast<float>(mode) / 9.0f + 0.01f; }
inline float recSyncValue(int step) { return static_cast<float>(step) / 11.0f + 0.01f; }

// A sine on the chosen channels, silence on the other.
inline Stereo sine(size_t frames, double hz, double rate, double amplitude, bool left = true,
                   bool right = true) {
    Stereo s(frames);
    for (size_t i = 0; i < frames; ++i) {
        const double x = amplitude * std::sin(2.0 * 3.141592653589793 * hz * double(i) / rate);
        s.left[i] = left ? static_cast<float>(x) : 0.0f;
        s.right[i] = right ? static_cast<float>(x) : 0.0f;
    }
    return s;
}

// The level of `out` against `in` over their second half, once a filter has settled.
inline double levelRatio(const std::vector<float>& in, const std::vector<float>& out) {
    double inPower = 0.0, outPower = 0.0;
    for (size_t i = in.size() / 2; i < in.size(); ++i) {
        inPower += double(in[i]) * in[i];
        outPower += double(out[i]) * out[i];
    }
    return std::sqrt(outPower / inPower);
}

// Runs `process(inputs, outputs, frames)` over a whole signal in blocks.
template <typename Process>
Stereo runInBlocks(const Stereo& input, int32_t blockSize, Process process) {
    Stereo output(input.size());
    for (size_t at = 0; at < input.size(); at += static_cast<size_t>(blockSize)) {
        float* inputs[2] = {const_cast<float*>(input.left.data() + at),
                            const_cast<float*>(input.right.data() + at)};
        float* outputs[2] = {output.left.data() + at, output.right.data() + at};
        process(inputs, outputs, static_cast<int32_t>(std::min<size_t>(blockSize, input.size() - at)));
    }
    return output;
}

// Nothing that shapes the replay: loop length as given, no offset, one play
// per slice, wet signal only. `target` is a PluginInstance or anything with
// the same set().
template <typename Target>
void plainLoop(Target& target, int32_t lengthFrames) {
    target.set(kLength, lengthValue(lengthFrames));
    target.set(kOffset, 0.5f);
    target.set(kRepeats, repeatsValue(1));
    target.set(kMix, 0.0f);
}

}  // namespace engine_test
