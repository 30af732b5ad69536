// Driving the plug-in's audio callback block by block as a host does, with
// the engine tests' signals.
#pragma once

#include "tests/engine/Signals.h"
#include "tests/host/TestHost.h"

namespace engine_test {

// Runs the audio callback like a host. When the host's transport plays, its
// sample position follows the blocks.
struct Driver {
    TestHost& host;
    PluginInstance& plugin;

    Stereo run(const Stereo& input, int32_t blockSize = 512) {
        return runInBlocks(input, blockSize, [&](float** in, float** out, int32_t frames) {
            plugin->processReplacing(plugin.effect(), in, out, frames);
            if ((host.time.flags & kVstTransportPlaying) != 0) host.time.samplePos += frames;
        });
    }
};

}  // namespace engine_test
