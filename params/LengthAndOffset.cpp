// Length and Offset with their couplings (BPM Lock, Repeat Lock), Record's
// switch, and the loop requests they make of the engine.
#include <cmath>

#include "common/Truncate.h"
#include "params/ParameterModel.h"
#include "params/StepMaps.h"

namespace {

constexpr float kPerMaxLoopFrame = 0.000005f;  // 1 / kMaxLoopSamples

// Which of Length and Offset have been written (by a host, the editor or a
// MIDI controller) since BPM Lock last took its ratio.
enum LockWrites : int32_t {
    kNeitherWritten = 0,
    kLengthWritten = 1,
    kOffsetWritten = 2,
};

float clampUnit(float v) {
    if (v > 1.0f) return 1.0f;
    if (v < 0.0f) return 0.0f;
    return v;
}

}  // namespace

void ParameterModel::applyRecordSwitch(float v) {
    const float old = stored(kRecord);
    if (old > 0.0f && v > 0.0f) {
        store(kRecord, v);
        return;
    }
    if (old == 0.0f && v == 0.0f) return;
    store(kRecord, v);
    if (v == 0.0f) {
        engage(0.0f);
        resetLoop();
        return;
    }
    engage(1.0f);
    post(EngineRequest::kStartPreRoll, settings.recOffsetMode);
    resetLoop();
}

void ParameterModel::applyBpmLock(float v) {
    store(kBpmLock, v);
    settings.bpmLockState = v == 1.0f ? 1 : 0;
    lockWrites = kNeitherWritten;
    const float offset = settings.offsetSamples;
    bpmLockRatio =
        offset != 0.0f ? static_cast<float>(settings.lengthSamples) / offset : 1.0f;
}

// Under BPM Lock an Offset write moves the Length, except when the Length
// was written first since the lock took its ratio: a host restoring a project
// writes BPM Lock, then Length, then Offset, and the Offset must not move the
// Length away from the value it was just given. From the next Offset write
// on, the lock couples them again. Answers whether this write may move the
// Length.
void ParameterModel::applyLengthValue(float v) {
    lockWrites = lockWrites | kLengthWritten;
    applyLength(v, true);
}

bool ParameterModel::offsetWriteMovesLength() {
    const int32_t before = lockWrites;
    lockWrites = before | kOffsetWritten;
    return before != kLengthWritten;
}

void ParameterModel::applyLength(float v, bool coupled) {
    v = clampUnit(v);
    // Writing the value it already holds moves nothing else: hosts write
    // every parameter back when they restore a project, and resend
    // automation, and under the lock the offset would move by a ratio taken
    // before the last program change.
    const bool unchanged = v == stored(kLength);
    store(kLength, v);
    settings.lengthSamples = rangeMapper.lengthFromNormal(v);
    post(EngineRequest::kResetPitchLfo, 100000);
    // The lock keeps the ratio of length to offset. A ratio of 0 (locked while
    // the length was 0) cannot be kept: the offset then stays where it is.
    const float ratio = bpmLockRatio;
    if (coupled && settings.bpmLockState == 1 && ratio != 0.0f && !unchanged) {
        setOffsetFrames(static_cast<float>(settings.lengthSamples / static_cast<double>(ratio)));
        notify(kOffset, stored(kOffset));
    }
}

void ParameterModel::applyOffsetValue(float v, float coupled) {
    const float oldOffset = settings.offsetSamples;
    const float oldLength = static_cast<float>(settings.lengthSamples);
    v = clampUnit(v);
    store(kOffset, v);
    settings.offsetSamples = static_cast<float>(rangeMapper.offsetFromNormal(v));
    if (coupled == 0.0f || settings.bpmLockState == 0) return;
    // Under the lock the loop length moves by as many frames as the offset did.
    const float moved = settings.offsetSamples - oldOffset;
    if (moved == 0.0f) return;
    const float t = (moved + oldLength) * kPerMaxLoopFrame;
    if (t < 0.0f) return;
    settings.bpmLockState = 2;  // keeps Length changes in this block from moving the offset back
    applyLength(std::pow(t, 1.0f / 3.0f), false);
    notify(kLength, stored(kLength));
}

// The offset is always what its stored value gives back, so that a host
// that saves the value and writes it back restores the same loop: a frame
// count worked out here (by the lock, Repeat Lock or an offset operation)
// becomes the nearest one the Offset value can express, a small fraction of
// a frame away at most.
void ParameterModel::setOffsetFrames(float frames) {
    if (frames > RangeMapper::kOffsetMax) frames = RangeMapper::kOffsetMax;
    if (frames < RangeMapper::kOffsetMin) frames = RangeMapper::kOffsetMin;
    if (frames != frames) frames = 0.0f;
    const float value = nearestOffsetValue(frames);
    settings.offsetSamples = static_cast<float>(rangeMapper.offsetFromNormal(value));
    store(kOffset, value);
}

// Of the Offset values around the exact one, the one whose frames are
// closest to `frames` without falling below them: slice starts that would
// land on a whole frame still do.
float ParameterModel::nearestOffsetValue(float frames) const {
    const auto excess = [&](float v) {
        return static_cast<float>(rangeMapper.offsetFromNormal(v)) - double(frames);
    };
    float best = static_cast<float>(rangeMapper.offsetToNormal(frames));
    if (excess(best) == 0.0) return best;
    double bestExcess = excess(best) > 0.0 ? excess(best) : INFINITY;
    float candidate = best;
    for (int step = 0; step < 8; ++step) candidate = std::nextafter(candidate, -1.0f);
    for (int step = 0; step <= 16; ++step, candidate = std::nextafter(candidate, 2.0f)) {
        const double over = excess(candidate);
        if (over >= 0.0 && over < bestExcess) best = candidate, bestExcess = over;
    }
    return best;
}

// The Length value stored for a frame count gives back exactly that count:
// the cube root in single precision often lands a frame short.
void ParameterModel::setLengthFrames(int32_t frames) {
    if (static_cast<float>(frames) > RangeMapper::kMaxLength) return;
    if (frames < 0) frames = 0;  // a negative span (a large negative offset) is no length at all
    settings.lengthSamples = frames;
    float value = std::pow(static_cast<float>(frames) * kPerMaxLoopFrame, 1.0f / 3.0f);
    while (rangeMapper.lengthFromNormal(value) < frames) value = std::nextafter(value, 2.0f);
    while (rangeMapper.lengthFromNormal(value) > frames) value = std::nextafter(value, 0.0f);
    store(kLength, value);
}

void ParameterModel::applyRepeats(float v) {
    const int32_t n = truncInt(16.0f * v + 1.0f);
    const int32_t old = settings.repeatCount;
    settings.repeatCount = n;
    post(EngineRequest::kSetRepeatsLeft, n);
    // Repeat Lock keeps the offset in proportion to the number of repeats.
    if (stored(kRepeatLock) == 1.0f && old != 0) {
        setOffsetFrames(static_cast<float>(n * static_cast<double>(settings.offsetSamples) / old));
        notify(kOffset, stored(kOffset));
    }
    store(kRepeats, v);
}

int32_t ParameterModel::divisionValue() {
    const float numerator = stored(kDivisionNum);
    if (numerator > 1.0f || numerator < 0.0f) settings.values[kDivisionNum] = 0.0f;
    return divisionFor(stored(kDivisionNum), stored(kDivisionDenom));
}

void ParameterModel::engage(float value) {
    engaged = value != 0.0f;
    post(EngineRequest::kEngage, divisionValue(), value);
}

// Forgets the recording and starts the loop over; Record follows whether
// the engine plays.
void ParameterModel::resetLoop() {
    post(EngineRequest::kResetLoop, 0, stored(kFilterSpeed));
    const float recording = engaged ? 1.0f : 0.0f;
    settings.values[kRecord] = recording;
    notify(kRecord, recording);
}
