// The write side of the parameters: each setter stores the value in the live
// values and the current program, then derives what the engine reads. The
// setters are grouped by the kind of parameter they serve.
#include <cmath>

#include "common/Truncate.h"
#include "midi/MidiMaps.h"
#include "params/ParameterModel.h"
#include "params/StepMaps.h"

namespace {

float clampUnit(float v) {
    if (v > 1.0f) return 1.0f;
    if (v < 0.0f) return 0.0f;
    return v;
}

}  // namespace

void ParameterModel::store(int parameter, float value) {
    settings.values[parameter] = value;
    currentProgram().setValue(parameter, value);
}

void ParameterModel::post(EngineRequest::Kind kind, int32_t count, float value) {
    EngineRequest request;
    request.kind = kind;
    request.count = count;
    request.value = value;
    engine->post(request);
}

void ParameterModel::setParameter(int index, float value) {
    // A NaN carries no setting at all; applying it would poison every
    // derived value, so it changes nothing.
    if (value == value && index >= 0 && index <= kCmdTempoLength) applyParameter(index, value);
    notify(index, value);
}

void ParameterModel::applyParameter(int index, float v) {
    applyLoopSwitch(index, v) || applyPlainValue(index, v) || applyStepped(index, v) ||
        applySound(index, v) || applyFilter(index, v) || applyCommand(index, v);
    // The unused indices refresh the editor and nothing else.
}

// The switches that act on the loop itself.
bool ParameterModel::applyLoopSwitch(int index, float v) {
    switch (index) {
        case kRecord:
            if (stored(kRecSync) != 0.0f && v != 0.0f)
                engine->queueDeferred(kDeferredRecord, 1);  // switched on at the next grid point
            else
                applyRecordSwitch(v);
            return true;
        case kRewind:
            store(kRewind, v);
            post(EngineRequest::kRewind);
            notify(kStatusPlayPos, 0.5f);
            return true;
        case kClear:
            store(kClear, v);
            if (v != 0.0f) {
                resetLoop();
                notify(kStatusPlayPos, 0.5f);
            }
            return true;
        case kOffsetJmpFfw:
        case kOffsetJmpBack:
            store(index, v);
            if (v != 0.0f) post(EngineRequest::kOffsetJump, index == kOffsetJmpFfw ? 1 : 2);
            return true;
        case kBpmSync:
            store(kBpmSync, v);
            if (v != 0.0f) setParameter(kCmdLengthOp, 0.0f);  // the "1 Bar" length operation
            return true;
        case kBpmLock: applyBpmLock(v); return true;
        case kLength: applyLengthValue(v); return true;
        case kOffset: applyOffsetValue(v, offsetWriteMovesLength() ? 1.0f : 0.0f); return true;
        case kRepeats: applyRepeats(v); return true;
        default: return false;
    }
}

// Values the engine reads as they are.
bool ParameterModel::applyPlainValue(int index, float v) {
    switch (index) {
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
        case kDivisionDenom: store(index, v); return true;
        case kPitchHold:
            // Letting go of a full hold restarts the vibrato's clock.
            if (stored(kPitchHold) == 1.0f) post(EngineRequest::kResetPitchLfo, -1);
            store(kPitchHold, v);
            return true;
        default: return false;
    }
}

// Switches and menus whose value picks one of a few steps.
bool ParameterModel::applyStepped(int index, float v) {
    switch (index) {
        case kRecSync:
            store(kRecSync, v);
            settings.recSyncDivisions = recSyncDivisionsFor(v);
            return true;
        case kRecOffset:
            store(kRecOffset, v);
            settings.recOffsetMode = quantizeStep(v, 8);
            return true;
        case kLengthQuant:
            store(kLengthQuant, v);
            settings.lengthQuantDivisions = lengthQuantDivisionsFor(v);
            return true;
        case kDirection:
            if (v < 0.0f || v > 1.0f) return true;  // ignored, not even stored
            store(kDirection, v);
            settings.directionMode = directionModeFor(v);
            return true;
        case kModulatorSpeed:
            store(kModulatorSpeed, v);
            settings.modulatorStepRate = modulatorStepRateFor(v);
            return true;
        case kModulatorAmp:
            store(kModulatorAmp, v);
            settings.modulatorStepCount = truncInt(12.0f * v);
            return true;
        case kModulatorPhase:
            store(kModulatorPhase, v);
            settings.modulatorPolarity = v == 0.0f ? -1.0f : 1.0f;
            return true;
        case kModulatorMode:
            store(kModulatorMode, v);
            settings.modulatorMode = quantizeStep(v, 7);
            return true;
        case kPitchMode:
            store(kPitchMode, v);
            settings.pitchMode = quantizeStep(v, 2);
            return true;
        default: return false;
    }
}

// Mix, gate and crush: gains and steps worked out here, once per change.
bool ParameterModel::applySound(int index, float v) {
    switch (index) {
        case kMix: {
            store(kMix, v);
            // The gains come from the knob's range: outside it a square root
            // of a negative would silence the output.
            const float mix = clampUnit(v);
            settings.wetGain = std::sqrt(1.0f - mix);
            settings.dryGain = std::sqrt(mix);
            return true;
        }
        case kGate:
            store(kGate, v);
            settings.gateAmount = static_cast<float>(std::pow(v, 2.0));
            return true;
        case kBitCrush: {
            store(kBitCrush, v);
            // Beyond the knob's range the step would overflow to infinity.
            const float bits = 24.0f - 23.0f * clampUnit(v);
            const double scale = std::pow(2.0, static_cast<double>(bits));
            settings.crushScale = scale;
            settings.crushStep = 1.0 / scale;
            return true;
        }
        default: return false;
    }
}

// The filter's knobs and menus: each change redesigns the filter, with the
// modes and speed as they are now.
bool ParameterModel::applyFilter(int index, float v) {
    switch (index) {
        case kFilterFreq:
        case kFilterQ:
        case kFilterGain: store(index, v); break;
        case kFilterType:
            store(index, v);
            settings.filterType = quantizeStep(v, 7);
            break;
        case kFilterSpeedSync:
            store(index, v);
            settings.filterUpdateMode = quantizeStep(v, 8);
            break;
        case kFilterSpeedRestart:
            store(index, v);
            settings.filterRestartMode = quantizeStep(v, 7);
            break;
        case kFilterSpeedType:
            store(index, v);
            settings.filterLfoShape = quantizeStep(v, 2);
            break;
        default: return false;
    }
    EngineRequest redesign;
    redesign.kind = EngineRequest::kRedesignFilter;
    redesign.count = settings.filterUpdateMode;
    redesign.other = settings.filterRestartMode;
    redesign.value = stored(kFilterSpeed);
    engine->post(redesign);
    return true;
}

bool ParameterModel::applyCommand(int index, float v) {
    switch (index) {
        case kCmdOffsetOp: runOffsetOperation(truncInt(v)); return true;
        case kCmdLengthOp: runLengthOperation(truncInt(v)); return true;
        case kCmdLearnKnob: midi.armControllerLearn(truncInt(v)); return true;
        case kCmdMidiAction: runMidiAction(truncInt(v)); return true;
        case kCmdTempoLength: runTempoLength(v); return true;
        default: return false;
    }
}
