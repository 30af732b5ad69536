// The write side of the parameters: each setter stores the value in the live
// values and the current program, then derives what the engine reads.
#include <cmath>

#include "params/StepMaps.h"
#include "params/Truncate.h"
#include "plugin/AEffEditor.h"
#include "plugin/StutterEffect.h"

namespace {

constexpr float kPerMaxLoopFrame = 0.000005f;  // 1 / kMaxLoopSamples

// Which of Length and Offset have been written (by a host, the editor or a
// MIDI controller) since BPM Lock last took its ratio.
enum LockWrites : int32_t {
    kNeitherWritten = 0,
    kLengthWritten = 1,
    kOffsetWritten = 2,
    kBothWritten = kLengthWritten | kOffsetWritten,
};

float clampUnit(float v) {
    if (v > 1.0f) return 1.0f;
    if (v < 0.0f) return 0.0f;
    return v;
}

}  // namespace

void StutterEffect::store(int parameter, float value) {
    paramValues[parameter] = value;
    currentProgram().setValue(parameter, value);
}

void StutterEffect::setParameter(VstInt32 index, float value) {
    // A NaN carries no setting at all; applying it would poison every
    // derived value, so it changes nothing.
    if (value == value && index >= 0 && index <= kCmdTempoLength) applyParameter(index, value);
    if (editor) editor->postUpdate();
}

void StutterEffect::applyParameter(VstInt32 index, float v) {
    switch (index) {
        case kRecord:
            if (stored(kRecSync) != 0.0f && v != 0.0f)
                queueDeferredCommand(kDeferredRecord, 1);  // switched on at the next grid point
            else
                applyRecordSwitch(v);
            break;
        case kRewind:
            store(kRewind, v);
            rewindLoop();
            updateEditorParameter(kStatusPlayPos, 0.5f);
            break;
        case kClear:
            store(kClear, v);
            if (v != 0.0f) {
                resetLoop();
                updateEditorParameter(kStatusPlayPos, 0.5f);
            }
            break;
        case kRelease:
        case kTouchRec:
        case kRepeatLock:
        case kShuffle:
        case kBlend:
        case kPitch:
        case kPitchRel:
        case kPitchPhase:
        case kFilterSpeed:
        case kDivisionNum:
        case kDivisionDenom: store(index, v); break;
        case kOffsetJmpFfw:
        case kOffsetJmpBack:
            store(index, v);
            if (v != 0.0f) settings.offsetJumpRequest = index == kOffsetJmpFfw ? 1 : 2;
            break;
        case kRecSync:
            store(kRecSync, v);
            settings.recSyncDivisions = recSyncDivisionsFor(v);
            break;
        case kRecOffset:
            store(kRecOffset, v);
            settings.recOffsetMode = quantizeStep(v, 8);
            break;
        case kLengthQuant:
            store(kLengthQuant, v);
            settings.lengthQuantDivisions = lengthQuantDivisionsFor(v);
            break;
        case kBpmSync:
            store(kBpmSync, v);
            if (v != 0.0f) setParameter(kCmdLengthOp, 0.0f);  // the "1 Bar" length operation
            break;
        case kBpmLock: applyBpmLock(v); break;
        case kLength:
            settings.lockWrites = settings.lockWrites | kLengthWritten;
            applyLength(v, true);
            break;
        case kOffset: applyOffsetValue(v, offsetWriteMovesLength() ? 1.0f : 0.0f); break;
        case kRepeats: applyRepeats(v); break;
        case kDirection:
            if (v < 0.0f || v > 1.0f) break;  // ignored, not even stored
            store(kDirection, v);
            settings.directionMode = directionModeFor(v);
            break;
        case kMix: {
            store(kMix, v);
            // The gains come from the knob's range: outside it a square root
            // of a negative would silence the output.
            const float mix = clampUnit(v);
            settings.wetGain = std::sqrt(1.0f - mix);
            settings.dryGain = std::sqrt(mix);
            break;
        }
        case kGate:
            store(kGate, v);
            settings.gateAmount = static_cast<float>(std::pow(v, 2.0));
            break;
        case kBitCrush: {
            store(kBitCrush, v);
            // Beyond the knob's range the step would overflow to infinity.
            const float bits = 24.0f - 23.0f * clampUnit(v);
            settings.crushScale = std::pow(2.0, static_cast<double>(bits));
            settings.crushStep = 1.0 / settings.crushScale;
            break;
        }
        case kModulatorSpeed:
            store(kModulatorSpeed, v);
            settings.modulatorStepRate = modulatorStepRateFor(v);
            break;
        case kModulatorAmp:
            store(kModulatorAmp, v);
            settings.modulatorStepCount = truncInt(12.0f * v);
            break;
        case kModulatorPhase:
            store(kModulatorPhase, v);
            settings.modulatorPolarity = v == 0.0f ? -1.0f : 1.0f;
            break;
        case kModulatorMode:
            store(kModulatorMode, v);
            settings.modulatorMode = quantizeStep(v, 7);
            break;
        case kPitchHold:
            // Letting go of a full hold restarts the vibrato's clock.
            if (stored(kPitchHold) == 1.0f) engine.pitchLfoTime = 0;
            store(kPitchHold, v);
            break;
        case kPitchMode:
            store(kPitchMode, v);
            settings.pitchMode = quantizeStep(v, 2);
            break;
        case kFilterFreq:
        case kFilterQ:
        case kFilterGain:
        case kFilterSpeedSync:
        case kFilterSpeedRestart:
        case kFilterSpeedType:
        case kFilterType:
            store(index, v);
            if (index == kFilterType) settings.filterType = quantizeStep(v, 7);
            if (index == kFilterSpeedSync) settings.filterUpdateMode = quantizeStep(v, 8);
            if (index == kFilterSpeedRestart) settings.filterRestartMode = quantizeStep(v, 7);
            if (index == kFilterSpeedType) settings.filterLfoShape = quantizeStep(v, 2);
            recomputeFilter(true);
            break;
        case kCmdOffsetOp: runOffsetOperation(truncInt(v)); break;
        case kCmdLengthOp: runLengthOperation(truncInt(v)); break;
        case kCmdLearnKnob: midi.armControllerLearn(truncInt(v)); break;
        case kCmdMidiAction: runMidiAction(truncInt(v)); break;
        case kCmdTempoLength: runTempoLength(v); break;
        default: break;  // the unused indices refresh the editor and nothing else
    }
}

void StutterEffect::applyRecordSwitch(float v) {
    const float old = stored(kRecord);
    if (old > 0.0f && v > 0.0f) {
        store(kRecord, v);
        return;
    }
    if (old == 0.0f && v == 0.0f) return;
    store(kRecord, v);
    if (v == 0.0f) {
        setEngaged(0.0f);
        resetLoop();
        return;
    }
    setEngaged(1.0f);
    engine.recOffsetCountdown =
        recOffsetFrames(settings.recOffsetMode, engine.hostSampleRate, engine.hostTempo);
    resetLoop();
}

void StutterEffect::applyBpmLock(float v) {
    store(kBpmLock, v);
    settings.bpmLockState = v == 1.0f ? 1 : 0;
    settings.lockWrites = kNeitherWritten;
    const float offset = settings.offsetSamples;
    settings.bpmLockRatio =
        offset != 0.0f ? static_cast<float>(settings.lengthSamples) / offset : 1.0f;
}

// Under BPM Lock an Offset write moves the Length, except when the Length
// was written first since the lock took its ratio: a host restoring a project
// writes BPM Lock, then Length, then Offset, and the Offset must not move the
// Length away from the value it was just given. From the next Offset write
// on, the lock couples them again. Answers whether this write may move the
// Length.
bool StutterEffect::offsetWriteMovesLength() {
    const int32_t before = settings.lockWrites;
    settings.lockWrites = before | kOffsetWritten;
    return before != kLengthWritten;
}

void StutterEffect::applyLength(float v, bool coupled) {
    v = clampUnit(v);
    // Writing the value it already holds moves nothing else: hosts write
    // every parameter back when they restore a project, and resend
    // automation, and under the lock the offset would move by a ratio taken
    // before the last program change.
    const bool unchanged = v == stored(kLength);
    store(kLength, v);
    settings.lengthSamples = rangeMapper.lengthFromNormal(v);
    if (engine.pitchLfoTime > 100000) engine.pitchLfoTime = 0;
    // The lock keeps the ratio of length to offset. A ratio of 0 (locked while
    // the length was 0) cannot be kept: the offset then stays where it is.
    const float ratio = settings.bpmLockRatio;
    if (coupled && settings.bpmLockState == 1 && ratio != 0.0f && !unchanged) {
        setOffsetFrames(static_cast<float>(settings.lengthSamples / static_cast<double>(ratio)));
        updateEditorParameter(kOffset, stored(kOffset));
    }
}

void StutterEffect::applyOffsetValue(float v, float coupled) {
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
    updateEditorParameter(kLength, stored(kLength));
}

// The offset is always what its stored value gives back, so that a host
// that saves the value and writes it back restores the same loop: a frame
// count worked out here (by the lock, Repeat Lock or an offset operation)
// becomes the nearest one the Offset value can express, a small fraction of
// a frame away at most.
void StutterEffect::setOffsetFrames(float frames) {
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
float StutterEffect::nearestOffsetValue(float frames) const {
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
void StutterEffect::setLengthFrames(int32_t frames) {
    if (static_cast<float>(frames) > RangeMapper::kMaxLength) return;
    if (frames < 0) frames = 0;  // a negative span (a large negative offset) is no length at all
    settings.lengthSamples = frames;
    float value = std::pow(static_cast<float>(frames) * kPerMaxLoopFrame, 1.0f / 3.0f);
    while (rangeMapper.lengthFromNormal(value) < frames) value = std::nextafter(value, 2.0f);
    while (rangeMapper.lengthFromNormal(value) > frames) value = std::nextafter(value, 0.0f);
    store(kLength, value);
}

void StutterEffect::applyRepeats(float v) {
    const int32_t n = truncInt(16.0f * v + 1.0f);
    const int32_t old = settings.repeatCount;
    settings.repeatCount = n;
    engine.repeatsLeft = n;
    // Repeat Lock keeps the offset in proportion to the number of repeats.
    if (stored(kRepeatLock) == 1.0f && old != 0) {
        setOffsetFrames(static_cast<float>(n * static_cast<double>(settings.offsetSamples) / old));
        updateEditorParameter(kOffset, stored(kOffset));
    }
    store(kRepeats, v);
}

int32_t StutterEffect::divisionValue() {
    const float numerator = stored(kDivisionNum);
    if (numerator > 1.0f || numerator < 0.0f) paramValues[kDivisionNum] = 0.0f;
    return divisionFor(stored(kDivisionNum), stored(kDivisionDenom));
}
