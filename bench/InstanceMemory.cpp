// How much memory an instance takes: the anonymous memory of this process
// (/proc/self/smaps_rollup) before and after creating an instance of the
// built plug-in, and after it has recorded a given number of frames.
//   instance_memory [FRAMES...]     figures for each recorded length
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "params/ParameterIds.h"
#include "tools/host/PluginLibrary.h"

namespace {

long anonymousBytes() {
    std::ifstream rollup("/proc/self/smaps_rollup");
    for (std::string line; std::getline(rollup, line);)
        if (line.rfind("Anonymous:", 0) == 0) return std::atol(line.c_str() + 10) * 1024;
    return -1;
}

class QuietHost : public Host {
public:
    VstTimeInfo time{};
    QuietHost() {
        time.sampleRate = 44100.0;
        time.tempo = 120.0;
        time.flags = kVstTransportPlaying | kVstTempoValid;
    }
    VstIntPtr onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) override {
        if (opcode == audioMasterVersion) return 2400;
        if (opcode == audioMasterGetTime) return reinterpret_cast<VstIntPtr>(&time);
        return 0;
    }
};

// Records `frames` frames of a quiet signal into a fresh instance.
void record(AEffect* effect, QuietHost& host, long frames) {
    constexpr int kBlock = 512;
    std::vector<float> in(kBlock, 0.25f), outL(kBlock), outR(kBlock);
    float* inputs[2] = {in.data(), in.data()};
    float* outputs[2] = {outL.data(), outR.data()};
    effect->setParameter(effect, kRecord, 1.0f);
    for (long done = 0; done < frames; done += kBlock) {
        effect->processReplacing(effect, inputs, outputs, kBlock);
        host.time.samplePos += kBlock;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto library = PluginLibrary::open(ZARVOLINE_PLUGIN_PATH, error);
    if (!library) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    QuietHost host;
    // A first instance settles what the library sets up once per process.
    dispatch(host.instantiate(library->entry()), effClose);

    const long before = anonymousBytes();
    AEffect* idle = host.instantiate(library->entry());
    const long idleBytes = anonymousBytes() - before;
    std::printf("idle instance: %ld kB of anonymous memory\n", idleBytes / 1024);
    dispatch(idle, effClose);

    for (int i = 1; i < argc; ++i) {
        const long frames = std::atol(argv[i]);
        const long start = anonymousBytes();
        AEffect* effect = host.instantiate(library->entry());
        const long created = anonymousBytes();
        record(effect, host, frames);
        const long grown = anonymousBytes() - created;
        std::printf("after recording %ld frames: %ld kB more than idle (8 bytes a frame: %ld kB)"
                    ", %ld kB in all\n",
                    frames, grown / 1024, 8 * frames / 1024, (anonymousBytes() - start) / 1024);
        dispatch(effect, effClose);
    }
    return 0;
}
