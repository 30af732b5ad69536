// Throughput of the audio callback for typical settings: items_per_second is
// stereo frames per second of processor time, x_realtime the seconds of audio
// at 44100 Hz processed per second of processor time (the real-time factor;
// the console prints it with a "/s").
#include <benchmark/benchmark.h>

#include <random>
#include <utility>
#include <vector>

#include "plugin/StutterEffect.h"

namespace {

constexpr int kBlock = 512;
constexpr double kRealTimeRate = 44100.0;

VstTimeInfo benchTime;

VstIntPtr benchHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetTime) return reinterpret_cast<VstIntPtr>(&benchTime);
    return 0;
}

using Settings = std::vector<std::pair<int, float>>;

// A beat repeated four times, wet only.
const Settings kPlainLoop = {{kLength, 0.4f}, {kRepeats, 3.0f / 16.0f}, {kMix, 0.0f}};

// Everything at work: a band-pass swept on a sixteenth-note grid, the Sin
// modulator, crossfades over half of every slice, shuffle, gate, crush,
// vibrato, Alter and a wet/dry mix.
const Settings kFullChain = {
    {kLength, 0.3f},          {kRepeats, 0.125f},      {kOffset, 0.6f},
    {kFilterType, 0.4f},      {kFilterFreq, 0.6f},     {kFilterQ, 0.3f},
    {kFilterSpeed, 0.2f},     {kFilterSpeedSync, 0.7f}, {kModulatorMode, 1.0f / 7.0f},
    {kModulatorAmp, 0.4f},    {kBlend, 0.5f},          {kShuffle, 0.3f},
    {kGate, 0.3f},            {kBitCrush, 0.3f},       {kPitchMode, 0.5f},
    {kPitch, 0.55f},          {kPitchHold, 0.2f},      {kPitchRel, 0.3f},
    {kDirection, 1.0f},       {kMix, 0.3f}};

void runEngine(benchmark::State& state, const Settings& settings, bool engaged) {
    benchTime = VstTimeInfo{};
    benchTime.sampleRate = kRealTimeRate;
    benchTime.tempo = 120.0;
    benchTime.flags = kVstTransportPlaying;
    StutterEffect effect(benchHost);
    for (const auto& [index, value] : settings) effect.setParameter(index, value);
    if (engaged) effect.setParameter(kRecord, 1.0f);

    std::mt19937 random(1);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
    std::vector<float> inL(kBlock), inR(kBlock), outL(kBlock), outR(kBlock);
    for (int i = 0; i < kBlock; ++i) inL[i] = noise(random), inR[i] = noise(random);
    float* inputs[2] = {inL.data(), inR.data()};
    float* outputs[2] = {outL.data(), outR.data()};

    for (auto _ : state) {
        effect.processReplacing(inputs, outputs, kBlock);
        benchTime.samplePos += kBlock;
        benchmark::DoNotOptimize(outL.data());
        benchmark::ClobberMemory();
    }
    const double frames = static_cast<double>(state.iterations()) * kBlock;
    state.SetItemsProcessed(static_cast<int64_t>(frames));
    state.counters["x_realtime"] =
        benchmark::Counter(frames / kRealTimeRate, benchmark::Counter::kIsRate);
}

void BM_DryPassThrough(benchmark::State& state) { runEngine(state, kPlainLoop, false); }
void BM_PlainLoop(benchmark::State& state) { runEngine(state, kPlainLoop, true); }
void BM_FullChain(benchmark::State& state) { runEngine(state, kFullChain, true); }

BENCHMARK(BM_DryPassThrough);
BENCHMARK(BM_PlainLoop);
BENCHMARK(BM_FullChain);

}  // namespace

BENCHMARK_MAIN();
