// Processor time of the audio callback per stereo frame, measured through the
// built plug-in's AEffect record as a host calls it, next to two yardsticks
// measured in the same run: a bare stereo biquad (the cost of the simplest
// useful effect) and a memmove of the block (the floor of any pass-through).
// After the runs a table gives each row as a multiple of its yardstick for
// 64, 512 and 4096-frame blocks; absolute times vary from machine to machine,
// the ratios much less.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "params/ParameterIds.h"
#include "tools/host/PluginLibrary.h"

namespace {

constexpr double kSampleRate = 44100.0;
constexpr int kBlockSizes[] = {64, 512, 4096};

using Settings = std::vector<std::pair<int, float>>;

// Everything at work: a band-pass swept on a sixteenth-note grid, the Sin
// modulator, crossfades over half of every slice, shuffle, gate, crush,
// vibrato, Alter and a wet/dry mix.
const Settings kFullChain = {
    {kLength, 0.3f},          {kRepeats, 0.125f},       {kOffset, 0.6f},
    {kFilterType, 0.4f},      {kFilterFreq, 0.6f},      {kFilterQ, 0.3f},
    {kFilterSpeed, 0.2f},     {kFilterSpeedSync, 0.7f}, {kModulatorMode, 1.0f / 7.0f},
    {kModulatorAmp, 0.4f},    {kBlend, 0.5f},           {kShuffle, 0.3f},
    {kGate, 0.3f},            {kBitCrush, 0.3f},        {kPitchMode, 0.5f},
    {kPitch, 0.55f},          {kPitchHold, 0.2f},       {kPitchRel, 0.3f},
    {kDirection, 1.0f},       {kMix, 0.3f}};

// A host whose transport plays at 120 BPM from frame 0.
class BenchHost : public Host {
public:
    VstTimeInfo time{};
    BenchHost() {
        time.sampleRate = kSampleRate;
        time.tempo = 120.0;
        time.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid | kVstBarsValid;
    }
    VstIntPtr onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) override {
        if (opcode == audioMasterVersion) return 2400;
        if (opcode == audioMasterGetTime) return reinterpret_cast<VstIntPtr>(&time);
        return 0;
    }
};

PluginEntry pluginEntry() {
    static std::unique_ptr<PluginLibrary> library = [] {
        std::string error;
        auto loaded = PluginLibrary::open(ZARVOLINE_PLUGIN_PATH, error);
        if (!loaded) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::exit(2);
        }
        return loaded;
    }();
    return library->entry();
}

// A stereo block of noise in, a stereo block out.
struct Buffers {
    std::vector<float> inL, inR, outL, outR;
    float* inputs[2];
    float* outputs[2];
    explicit Buffers(int frames) : inL(frames), inR(frames), outL(frames), outR(frames) {
        std::mt19937 random(1);
        std::uniform_real_distribution<float> noise(-0.5f, 0.5f);
        for (int i = 0; i < frames; ++i) inL[i] = noise(random), inR[i] = noise(random);
        inputs[0] = inL.data(), inputs[1] = inR.data();
        outputs[0] = outL.data(), outputs[1] = outR.data();
    }
};

void countFrames(benchmark::State& state, int block) {
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * block);
}

// The plug-in with a program or with settings, engaged unless `dry`.
void runPlugin(benchmark::State& state, int program, const Settings& settings, bool dry) {
    const int block = static_cast<int>(state.range(0));
    BenchHost host;
    AEffect* effect = host.instantiate(pluginEntry());
    dispatch(effect, effSetSampleRate, 0, 0, nullptr, static_cast<float>(kSampleRate));
    dispatch(effect, effSetBlockSize, 0, block);
    dispatch(effect, effMainsChanged, 0, 1);
    if (program > 0) dispatch(effect, effSetProgram, 0, program);
    for (const auto& [index, value] : settings) effect->setParameter(effect, index, value);
    effect->setParameter(effect, kRecord, dry ? 0.0f : 1.0f);

    Buffers buffers(block);
    for (auto _ : state) {
        effect->processReplacing(effect, buffers.inputs, buffers.outputs, block);
        host.time.samplePos += block;
        benchmark::DoNotOptimize(buffers.outL.data());
        benchmark::ClobberMemory();
    }
    countFrames(state, block);
    dispatch(effect, effClose);
}

// RBJ low-pass at 2 kHz, Q 0.707, direct form I in double, one history per
// channel, each channel's loop over the block.
void BM_BareBiquad(benchmark::State& state) {
    const int block = static_cast<int>(state.range(0));
    const double w0 = 2.0 * M_PI * 2000.0 / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * 0.707);
    const double a0 = 1.0 + alpha;
    const double b0 = (1.0 - std::cos(w0)) / 2.0 / a0, b1 = (1.0 - std::cos(w0)) / a0, b2 = b0;
    const double a1 = -2.0 * std::cos(w0) / a0, a2 = (1.0 - alpha) / a0;
    double history[2][4] = {};
    Buffers buffers(block);
    for (auto _ : state) {
        for (int channel = 0; channel < 2; ++channel) {
            double& x1 = history[channel][0];
            double& x2 = history[channel][1];
            double& y1 = history[channel][2];
            double& y2 = history[channel][3];
            const float* in = buffers.inputs[channel];
            float* out = buffers.outputs[channel];
            for (int i = 0; i < block; ++i) {
                const double x = in[i];
                const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
                x2 = x1, x1 = x, y2 = y1, y1 = y;
                out[i] = static_cast<float>(y);
            }
        }
        benchmark::DoNotOptimize(buffers.outL.data());
        benchmark::ClobberMemory();
    }
    countFrames(state, block);
}

void BM_Memmove(benchmark::State& state) {
    const int block = static_cast<int>(state.range(0));
    Buffers buffers(block);
    for (auto _ : state) {
        std::memmove(buffers.outL.data(), buffers.inL.data(), sizeof(float) * block);
        std::memmove(buffers.outR.data(), buffers.inR.data(), sizeof(float) * block);
        benchmark::DoNotOptimize(buffers.outL.data());
        benchmark::ClobberMemory();
    }
    countFrames(state, block);
}

void BM_Dry(benchmark::State& state) { runPlugin(state, 0, {}, true); }
void BM_Studder(benchmark::State& state) { runPlugin(state, 7, {}, false); }
void BM_IntoTheMatrix(benchmark::State& state) { runPlugin(state, 8, {}, false); }
void BM_FullChain(benchmark::State& state) { runPlugin(state, 0, kFullChain, false); }

void blockSizes(benchmark::internal::Benchmark* bench) {
    for (int block : kBlockSizes) bench->Arg(block);
}

BENCHMARK(BM_BareBiquad)->Apply(blockSizes);
BENCHMARK(BM_Memmove)->Apply(blockSizes);
BENCHMARK(BM_Dry)->Apply(blockSizes);
BENCHMARK(BM_Studder)->Apply(blockSizes);
BENCHMARK(BM_IntoTheMatrix)->Apply(blockSizes);
BENCHMARK(BM_FullChain)->Apply(blockSizes);

// Keeps the processor time per frame of every run for the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nsPerFrame;

    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) {
            const std::string name = run.benchmark_name();
            const int block = std::stoi(name.substr(name.find('/') + 1));
            const double seconds = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            nsPerFrame[name] = seconds * 1e9 / block;
        }
        ConsoleReporter::ReportRuns(reports);
    }

    static std::string runName(const char* bench, int block) {
        std::string name = bench;
        name += '/';
        name += std::to_string(block);
        return name;
    }

    void printTable() const {
        struct Row {
            const char* label;
            const char* bench;
            const char* yardstick;
        };
        const Row rows[] = {
            {"bare stereo biquad", "BM_BareBiquad", "BM_BareBiquad"},
            {"memmove of the block", "BM_Memmove", "BM_Memmove"},
            {"dry (Record off), x memmove", "BM_Dry", "BM_Memmove"},
            {"\"Studder\" (program 7)", "BM_Studder", "BM_BareBiquad"},
            {"\"Into the Matrix\" (program 8)", "BM_IntoTheMatrix", "BM_BareBiquad"},
            {"the full chain", "BM_FullChain", "BM_BareBiquad"},
        };
        std::printf("\n%-34s", "ns per frame (x yardstick)");
        for (int block : kBlockSizes) std::printf("  %18d", block);
        std::printf("\n");
        for (const Row& row : rows) {
            std::printf("%-34s", row.label);
            for (int block : kBlockSizes) {
                const auto value = nsPerFrame.find(runName(row.bench, block));
                const auto base = nsPerFrame.find(runName(row.yardstick, block));
                if (value == nsPerFrame.end() || base == nsPerFrame.end()) {
                    std::printf("  %18s", "-");
                    continue;
                }
                std::printf("  %7.2f (x %5.2f) ", value->second, value->second / base->second);
            }
            std::printf("\n");
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable();
    benchmark::Shutdown();
    return 0;
}
