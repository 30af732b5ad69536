// zarvoline-render: an offline host for VST 2 effects. For now it loads the
// plug-in and prints what a host sees of it.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/host/PluginLibrary.h"
#include "tools/render/HostView.h"

namespace {

// A host with a running transport at a fixed tempo and sample rate.
class RenderHost : public Host {
public:
    RenderHost(double sampleRate, double tempo) {
        time_.sampleRate = sampleRate;
        time_.tempo = tempo;
        time_.timeSigNumerator = 4;
        time_.timeSigDenominator = 4;
        time_.flags = kVstTransportPlaying | kVstTempoValid | kVstPpqPosValid | kVstBarsValid |
                      kVstTimeSigValid;
    }

    VstIntPtr onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) override {
        switch (opcode) {
            case audioMasterVersion: return 2400;
            case audioMasterGetTime: return reinterpret_cast<VstIntPtr>(&time_);
            default: return 0;
        }
    }

private:
    VstTimeInfo time_{};
};

void usage(std::FILE* out) {
    std::fprintf(out,
                 "usage: zarvoline-render --info [--plugin PATH] [--tempo BPM]\n"
                 "  --info         print the plug-in's name, parameters and programs\n"
                 "  --plugin PATH  a VST 2 library (default: the Zarvoline built with this tool)\n"
                 "  --tempo BPM    the host tempo (default 120)\n");
}

}  // namespace

int main(int argc, char** argv) {
    std::string pluginPath = ZARVOLINE_DEFAULT_PLUGIN;
    double tempo = 120.0;
    bool info = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* what) -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "zarvoline-render: %s needs %s\n", arg.c_str(), what);
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--info") {
            info = true;
        } else if (arg == "--plugin") {
            pluginPath = value("a path");
        } else if (arg == "--tempo") {
            tempo = std::atof(value("a tempo in BPM"));
        } else if (arg == "--help" || arg == "-h") {
            usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "zarvoline-render: unknown option %s\n", arg.c_str());
            usage(stderr);
            return 2;
        }
    }
    if (!info) {
        usage(stderr);
        return 2;
    }

    std::string error;
    auto library = PluginLibrary::open(pluginPath, error);
    if (!library) {
        std::fprintf(stderr, "zarvoline-render: %s\n", error.c_str());
        return 1;
    }
    RenderHost host(44100.0, tempo);
    AEffect* effect = host.instantiate(library->entry());
    if (!effect) {
        std::fprintf(stderr, "zarvoline-render: the plug-in refused to start\n");
        return 1;
    }
    dispatch(effect, effOpen);
    printHostView(effect, stdout);
    dispatch(effect, effClose);
    return 0;
}
