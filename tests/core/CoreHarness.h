// The effect's core driven directly, as a plug-in format's adaptor drives it:
// a host that keeps a clock and records every change the core reports.
#pragma once

#include <utility>
#include <vector>

#include "core/StutterCore.h"
#include "tests/engine/Signals.h"

namespace core_test {

using engine_test::Stereo;

class RecordingHost : public CoreHost {
public:
    EngineClock clock;
    bool tellsTime = true;
    std::vector<std::pair<int, float>> changes;

    RecordingHost() {
        clock.known = true;
        clock.sampleRate = 44100.0;
        clock.tempo = 120.0;
    }

    void parameterChanged(int index, float value) override { changes.emplace_back(index, value); }
    const EngineClock* hostClock(ClockDetail) override { return tellsTime ? &clock : nullptr; }

    std::vector<float> changesOf(int index) const {
        std::vector<float> values;
        for (const auto& [i, v] : changes)
            if (i == index) values.push_back(v);
        return values;
    }
};

// One core on its own host; `set` and `run` as the engine tests' helpers expect.
struct CoreHarness {
    RecordingHost host;
    StutterCore core{host, &host.clock};

    void set(int index, float value) { core.setParameter(index, value); }
    float get(int index) const { return core.getParameter(index); }

    Stereo run(const Stereo& in, int32_t blockSize = 512) {
        return engine_test::runInBlocks(in, blockSize, [&](float** inputs, float** outputs, int32_t frames) {
            core.process(inputs, outputs, frames, host.tellsTime ? &host.clock : nullptr);
            if (host.clock.playing) host.clock.samplePosition += frames;
        });
    }
    void emptyBlock() { core.process(nullptr, nullptr, 0, &host.clock); }
    const EngineState& engine() const { return core.stutterEngine().state(); }
};

}  // namespace core_test
