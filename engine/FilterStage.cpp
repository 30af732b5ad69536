// The filter's design and its tempo-synchronised modulation: the cutoff is
// scaled by a slow cosine or sine that steps on a grid, and each step
// makes a fresh design.
#include <cmath>

#include "engine/Timing.h"
#include "common/Truncate.h"
#include "engine/StutterEngine.h"

namespace {

// Grid points per bar for the update modes 2..7 and restart modes 2..6.
constexpr int32_t kGridDivisions[] = {1, 2, 4, 8, 16, 32};

enum LfoShape : int32_t { kLfoDown = 0, kLfoUp = 1 };

}  // namespace

void StutterEngine::recomputeFilter(bool force, int32_t updateMode, int32_t restartMode,
                                    float speed) {
    // While Release is held the slice window slides with the cursor, so its
    // own position never changes; the slices are counted out instead.
    const int32_t released = engine.releasePosition;
    const bool sliceStartFrame =
        (released >= 0 ? released : truncInt(engine.playIndex - engine.sliceStart)) == 0;
    auto gridHit = [this](int32_t mode, int32_t lastGridMode) {
        if (mode < 2 || mode > lastGridMode) return false;
        return onGrid(engine.songPosition, engine.hostSampleRate, kGridDivisions[mode - 2],
                      engine.hostTempo);
    };

    const bool restartHit = restartMode == 1 ? sliceStartFrame : gridHit(restartMode, 6);

    bool updateHit = false;
    if (updateMode == 0) {
        const int32_t rate = engine.hostSampleRate;
        updateHit = rate > 0 && engine.engineTicks % rate == 0;  // once a second of engaged time
    } else if (updateMode == 1) {
        updateHit = sliceStartFrame;
    } else {
        updateHit = gridHit(updateMode, 7);
    }

    if (!restartHit && !updateHit && !force) return;
    designFilter(restartHit, speed);
}

// One step of the modulation (from its start when `restart`), and a design
// for the frequency it gives.
void StutterEngine::designFilter(bool restart, float speed) {
    const double freq = stored(kFilterFreq);
    engine.filterFreqHz = freq * freq * freq * 16000.0;
    engine.filterGainDb = stored(kFilterGain) * 32.0 - 16.0;
    engine.filterBandwidth = stored(kFilterQ) + 0.0001;
    engine.filterFreqHz = filterLfoValue(restart, speed) * engine.filterFreqHz + 10.0;
    makeFilterDesign();
}

// Designs the filter for the current frequency, gain and bandwidth at the
// rate the engine runs at.
void StutterEngine::makeFilterDesign() {
    const double frequency = engine.filterFreqHz;
    const int32_t rate = engine.hostSampleRate;
    engine.filterSampleRate = rate;
    bool active = designBiquad(settings.filterType, engine.filterGainDb, frequency, rate,
                               engine.filterBandwidth, filterRunning);
    // A cutoff at or above half the sample rate (Filter freq near the top at a
    // low rate) has no meaningful design, and out-of-range knob values can
    // give unstable ones: the stage then lets the signal through unfiltered.
    if (active && !biquadPlayable(filterRunning, frequency, rate)) active = false;
    filterActive = active;
}

// Runs the design over the replayed signal and, during a crossfade, the
// outgoing material, each channel through its own history. A history that
// runs away (a design that changes on every few frames can make the filter
// ring up without bound) is cleared, and its samples of the frame are silence.
void StutterEngine::runFilterStage(EngineFrame& frame) {
    if (settings.filterType == kFilterOff) return;
    recomputeFilter(false, settings.filterUpdateMode, settings.filterRestartMode,
                    stored(kFilterSpeed));
    if (!filterActive) return;

    filterChannel(frame.wetL, filterWet.left);
    filterChannel(frame.wetR, filterWet.right);
    if (frame.blending) {
        filterChannel(frame.oldL, filterOutgoing.left);
        filterChannel(frame.oldR, filterOutgoing.right);
    }
}

void StutterEngine::filterChannel(float& sample, BiquadHistory& history) {
    sample = static_cast<float>(runBiquad(sample, filterRunning, history));
    if (!biquadRunningAway(history, filterRunning)) return;
    history = BiquadHistory{};
    sample = 0.0f;
}

double StutterEngine::filterLfoValue(bool restart, float speed) {
    if (restart) engine.filterLfoPhase = 0.0f;
    engine.filterLfoPhase += speed;
    const double phase = engine.filterLfoPhase;
    switch (settings.filterLfoShape) {
        case kLfoDown: return (std::cos(phase) + 1.0) * 0.5;
        case kLfoUp: return (std::sin(phase) + 1.0) * 0.5;
        default: return 1.0;  // no modulation
    }
}
