// Most engaged frames change nothing but the samples: no restart, no grid
// point of the filter, no level report, no guard that acts. Such a stretch is
// worked out once and played by a plain loop that does exactly what the
// frame-by-frame path does on each of its frames, without deciding it anew.
// The bounds below are conservative: any frame they are not sure of is left
// to the frame-by-frame path.
#include <algorithm>
#include <climits>
#include <cmath>

#include "common/Truncate.h"
#include "engine/SampleGuard.h"
#include "engine/SampleStages.h"
#include "engine/SliceLength.h"
#include "engine/StutterEngine.h"
#include "engine/Timing.h"

namespace {

constexpr int32_t kCapacity = LoopBuffers::kCapacity;

// Frames until the first k >= 0 with (start + k) a multiple of `period`.
int64_t framesToMultiple(int64_t start, int64_t period) {
    int64_t rest = start % period;
    if (rest < 0) rest += period;
    return rest == 0 ? 0 : period - rest;
}

int32_t atMost(int32_t a, int64_t b) { return b < a ? static_cast<int32_t>(b < 0 ? 0 : b) : a; }

// The first k in 0..n-1 for which `holds` is true, or n; `holds` is false up
// to some frame and true from there on.
template <typename Predicate>
int32_t firstFrame(int32_t n, Predicate holds) {
    int32_t low = 0, high = n;
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        if (holds(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// Whether a swing moves the length by less than a frame from one frame to
// the next: cos changes by less than its argument does.
bool gentleSwing(const StutterEngine::SliceLengthPlan& plan) {
    const SwingShape& swing = plan.swing;
    return swing.sine && plan.base >= 0 &&
           std::fabs(static_cast<double>(swing.amount)) * plan.base * swing.radiansPerFrame < 0.99;
}

}  // namespace

int32_t StutterEngine::quietStretch(int32_t framesLeft, int32_t readIndex) {
    if (engine.recOffsetCountdown != 0 || deferredCommands.pending() != 0 ||
        stored(kRelease) != 0.0f || !(engine.sliceStart < static_cast<float>(kCapacity)))
        return 0;
    const SliceLengthPlan plan = planSliceLength();
    if (plan.base < 0) return 0;
    // A swung length is worked out frame by frame from the song position,
    // which must then count up from 0 without wrapping.
    if (plan.swinging && engine.songPosition < 0) return 0;
    // Clocks that wrap round within the stretch are left to the plain path.
    if (engine.songPosition > INT32_MAX - framesLeft - 2 ||
        engine.engineTicks > INT32_MAX - framesLeft - 2 ||
        engine.pitchLfoTime > INT32_MAX - framesLeft - 2)
        return 0;

    int32_t n = framesLeft;
    n = atMost(n, int64_t{engine.levelCountdown});  // the next report goes frame by frame

    const bool recording = stored(kRecord) != 0.0f;
    if (recording) {
        if (engine.recordPos < 0) return 0;
        n = atMost(n, int64_t{kCapacity} - engine.recordPos);
    } else if (settings.directionMode == kDirectionReverse && engine.playDirection != kPlayBackward) {
        return 0;
    }

    // No restart: forward the cursor stays below the slice end, backward
    // above the slice start (and above 0, where the guard acts).
    const int32_t playIndex = engine.playIndex;
    const float sliceStart = engine.sliceStart;
    const bool forward = engine.playDirection == kPlayForward;
    int32_t sliceEnd = 0;
    if (!plan.swinging) {
        const int32_t len = minimumSliceLength(plan.base, settings.offsetSamples);
        sliceEnd = truncInt(static_cast<double>(static_cast<float>(len)) + sliceStart);
    }
    if (forward) {
        if (playIndex <= 0) return 0;
        if (!plan.swinging) n = atMost(n, int64_t{sliceEnd} - playIndex);
    } else {
        n = atMost(n, int64_t{playIndex});
        n = atMost(n, playIndex - static_cast<int64_t>(std::floor(static_cast<double>(sliceStart))));
    }

    // The read positions stay inside what was recorded, with a frame to spare
    // for the rounding of the accumulated read position.
    const int32_t recorded = engine.recordedLength;
    if (readIndex < 0 || readIndex > recorded || readIndex >= kCapacity) return 0;
    const double ratio = engine.pitchRatio;
    if (!(ratio > 0.0 && ratio < 1e6)) return 0;
    const double room = forward ? std::min<double>(recorded, kCapacity - 1) - engine.playPos - 2.0
                                : engine.playPos - 2.0;
    if (room < 0.0) return 0;
    n = atMost(n, static_cast<int64_t>(room / ratio));
    if (engine.blendReadIndex < 0) return 0;
    n = atMost(n, int64_t{kCapacity} - engine.blendReadIndex);

    if (settings.filterType != kFilterOff) n = atMost(n, framesToNextFilterEvent(n));
    if (n <= 0) return 0;

    // The slice length on frame k of the stretch, and the slice end it gives.
    const float offsetFrames = settings.offsetSamples;
    const auto lengthAt = [&](int32_t k) {
        if (!plan.swinging) return minimumSliceLength(plan.base, offsetFrames);
        const int32_t phase = (engine.songPosition + k) % plan.swing.period;
        return minimumSliceLength(swingAt(plan.base, phase, plan.swing), offsetFrames);
    };
    const auto endOf = [&](int32_t len) {
        return truncInt(static_cast<double>(static_cast<float>(len)) + sliceStart);
    };
    // A gentle swing (Sin, moving the length by less than a frame per frame)
    // never turns back on the cursor: where the slice starts over, and where
    // the gate closes, can be found by bisection instead of frame by frame.
    SliceLengthPlan kernelPlan = plan;
    if (plan.swinging && gentleSwing(plan) && sliceStart >= 0.0f) {
        if (forward) n = firstFrame(n, [&](int32_t k) { return playIndex + k >= endOf(lengthAt(k)); });
        kernelPlan.swinging = false;
    }

    // The gate is open or closed through the whole stretch.
    float gain = 1.0f;
    const float gate = settings.gateAmount;
    if (kernelPlan.swinging &&
        (!(gate >= 0.0f && gate <= 1.0f) ||
         !(std::fabs(static_cast<double>(plan.swing.amount)) * plan.base < 1e9)))
        return 0;  // the bounds on the swung length need an ordinary gate and swing
    if (gate != 0.0f && n > 0 && !kernelPlan.swinging) {
        if (!(gate > 0.0f && gate <= 1.0f)) return 0;
        const auto position = [&](int32_t k) {
            return truncInt(static_cast<double>(forward ? playIndex + k : playIndex - k) - sliceStart);
        };
        if (position(0) < 1) return 0;
        if (!forward) n = atMost(n, static_cast<int64_t>(std::floor(playIndex - double(sliceStart))));
        const auto sounds = [&](int32_t k) { return ::gateGain(position(k), lengthAt(k), gate) != 0.0f; };
        const bool open = sounds(0);
        n = firstFrame(n, [&](int32_t k) { return sounds(k) != open; });
        gain = open ? 1.0f : 0.0f;
    }
    if (n <= 0) return 0;

    quietPlan = kernelPlan;
    quietGain = gain;
    if (!kernelPlan.swinging) engine.sliceEnd = endOf(lengthAt(n - 1));
    engine.releasePosition = -1;
    return n;
}

// Frames before the filter's modulation could step or restart: its grid
// points, its once-a-second tick, and slice starts. Frame k of the stretch
// sees the clocks one further on than they are now.
int32_t StutterEngine::framesToNextFilterEvent(int32_t limit) const {
    int64_t n = limit;
    const auto gridMode = [&](int32_t mode, int32_t lastGridMode) {
        if (mode < 2 || mode > lastGridMode) return;
        constexpr int32_t kGridDivisions[] = {1, 2, 4, 8, 16, 32};
        const int32_t divisions = kGridDivisions[mode - 2];
        const int32_t tempo = engine.hostTempo;
        if (tempo == 0) {
            n = 0;
            return;
        }
        const int64_t grid = int64_t{engine.hostSampleRate} * 240 / divisions / tempo;
        if (grid < 1) {
            n = 0;
            return;
        }
        n = std::min(n, framesToMultiple(int64_t{engine.songPosition} + 1, grid));
    };
    const auto sliceStartMode = [&] {
        // A frame whose cursor is less than a frame from the slice start.
        const double distance = static_cast<double>(engine.playIndex) - engine.sliceStart;
        if (engine.playDirection == kPlayForward)
            n = distance < 2.0 ? 0 : n;
        else
            n = std::min<int64_t>(n, static_cast<int64_t>(std::floor(distance)) - 1);
    };
    const int32_t restartMode = settings.filterRestartMode;
    if (restartMode == 1) sliceStartMode();
    gridMode(restartMode, 6);
    const int32_t updateMode = settings.filterUpdateMode;
    if (updateMode == 0) {
        const int32_t rate = engine.hostSampleRate;
        if (rate > 0) n = std::min(n, framesToMultiple(int64_t{engine.engineTicks} + 1, rate));
    } else if (updateMode == 1) {
        sliceStartMode();
    }
    gridMode(updateMode, 7);
    return static_cast<int32_t>(n < 0 ? 0 : n);
}
