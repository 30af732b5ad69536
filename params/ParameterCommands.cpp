// The editor's commands: offset and length operations from its menus, MIDI
// learn actions, and a loop length typed in as a tempo.
#include <cmath>

#include "common/Truncate.h"
#include "midi/MidiMaps.h"
#include "params/ParameterModel.h"

namespace {

enum OffsetOperation : int32_t {
    kOffsetSameAsLength = 0,
    kOffsetHalve,
    kOffsetLengthBy16,
    kOffsetInvert,
    kOffsetDownsample,
    kOffsetZero,
};

enum LengthOperation : int32_t {
    kLengthOneBar = 0,
    kLengthHalve,
    kLengthDouble,
    kLengthSameAsOffset,
    kLengthTriplets,
    kLengthSixteenthTriplets,
};

constexpr float kLockOn = 1.0f;
constexpr int32_t kMaxOffsetFrames = 5000;

}  // namespace

void ParameterModel::runOffsetOperation(int32_t op) {
    // The lock is released for the change and taken again, so that its ratio
    // follows the new offset.
    auto relocking = [this](bool locked, float frames) {
        if (locked) applyBpmLock(0.0f);
        setOffsetFrames(frames);
        if (locked) applyBpmLock(kLockOn);
    };
    const int32_t length = settings.lengthSamples;
    const bool lockStored = stored(kBpmLock) != 0.0f;
    switch (op) {
        case kOffsetSameAsLength:
            if (length <= kMaxOffsetFrames)
                relocking(settings.bpmLockState != 0, static_cast<float>(length));
            break;
        case kOffsetHalve:
            applyOffsetValue(
                static_cast<float>(rangeMapper.offsetToNormal(settings.offsetSamples * 0.5f)),
                static_cast<float>(settings.bpmLockState));
            break;
        case kOffsetLengthBy16:
            if (length / 16 <= kMaxOffsetFrames)
                applyOffsetValue(
                    static_cast<float>(rangeMapper.offsetToNormal(length * 0.0625f)),
                    static_cast<float>(settings.bpmLockState));
            break;
        case kOffsetInvert: relocking(lockStored, -settings.offsetSamples); break;
        case kOffsetDownsample: {
            const int32_t repeats = settings.repeatCount;
            const int64_t product = int64_t{length} * repeats;
            if (repeats != 0 && product <= kMaxOffsetFrames)
                relocking(lockStored, static_cast<float>(product));
            break;
        }
        case kOffsetZero: relocking(lockStored, 0.0f); break;
        default: break;
    }
    notify(kOffset, stored(kOffset));
}

void ParameterModel::runLengthOperation(int32_t op) {
    const float saved = stored(kBpmLock);
    if (saved != 0.0f) applyBpmLock(0.0f);
    const int32_t length = settings.lengthSamples;
    switch (op) {
        case kLengthOneBar: setLengthFromTempo(saved, 1.0f); break;
        case kLengthHalve: setLengthFrames(length / 2); break;
        case kLengthDouble: setLengthFrames(length * 2); break;  // refused above 200000
        case kLengthSameAsOffset: {
            // A negative offset is taken by its size: the loop spans that many frames.
            const int32_t frames = truncInt(rangeMapper.offsetFromNormal(stored(kOffset)));
            setLengthFrames(frames < 0 ? -frames : frames);
            break;
        }
        case kLengthTriplets: setLengthFromTempo(saved, 0.375f); break;
        case kLengthSixteenthTriplets: setLengthFromTempo(saved, 0.1875f); break;
        default: break;
    }
    post(EngineRequest::kResetModulatorStep);
    notify(kLength, stored(kLength));
    notify(kOffset, stored(kOffset));
    if (saved != 0.0f) applyBpmLock(saved);
}

void ParameterModel::runMidiAction(int32_t action) {
    switch (action) {
        case kMidiKnobsDefault: midi.resetControllerMap(); break;
        case kMidiKnobsClear: midi.clearControllerMap(); break;
        case kMidiRandomizeKnobs:
            randomizeKnobs();
            midi.armProgramLearn();
            break;
        case kMidiPresetLearn: midi.armProgramLearn(); break;
        case kMidiPresetClear: midi.clearNoteProgramMap(); break;
        case kMidiPresetAutoLearn: midi.autoLearnPrograms(MidiMaps::kAutoLearnFirstNote); break;
        default: break;
    }
}

void ParameterModel::runTempoLength(float tempo) {
    setLengthFromTempo(1.0f, 1.0f, tempo);
    notify(kLength, stored(kLength));
    notify(kOffset, stored(kOffset));
}
