// The read side of the parameters: values, names, unit labels and the texts
// a host shows for the current values.
#include <cstdio>
#include <cstring>

#include "params/StepMaps.h"
#include "common/Truncate.h"
#include "params/NumberTexts.h"
#include "params/ParameterModel.h"

namespace {

// Every text here fits the 24 bytes we promise hosts; snprintf makes sure.
template <typename... Args>
void format(char* text, const char* pattern, Args... args) {
    std::snprintf(text, kParameterTextSize, pattern, args...);
}

void copy(char* text, const char* source) { format(text, "%s", source); }

constexpr float kPerBufferFrame = 1.6666667e-6f;  // 1 / kSampleBufferFrames

}  // namespace

float ParameterModel::getParameter(int index) const {
    if (isParameter(index)) return settings.values[index];
    const EngineStatus& status = engine->status();
    switch (index) {
        case kStatusPlayPos: return static_cast<float>(status.playIndex) * kPerBufferFrame;
        case kStatusRecordPos: return static_cast<float>(status.recordPos) * kPerBufferFrame;
        case kStatusRecordedLength:
            return static_cast<float>(status.recordedLength) * kPerBufferFrame;
        default: return 0.0f;
    }
}

void ParameterModel::parameterName(int index, char* text) const {
    if (isParameter(index))
        copy(text, kParameterTable[index].name);
    else
        format(text, "idx %ld", static_cast<long>(index));
}

void ParameterModel::parameterLabel(int index, char* text) const {
    copy(text, isParameter(index) ? kParameterTable[index].label : "");
}

void ParameterModel::parameterDisplay(int index, char* text) {
    const float v = isParameter(index) ? stored(index) : 0.0f;
    switch (index) {
        case kRecord: copy(text, v != 0.0f ? "Recording" : "Waiting"); break;
        case kRewind: copy(text, "Touch to Rewind"); break;
        case kClear: copy(text, "Touch to Clear"); break;
        case kRelease: copy(text, v != 0.0f ? "Releasing" : "Looping"); break;
        case kBpmLock: copy(text, settings.bpmLockState != 0 ? "On" : "Off"); break;
        case kBpmSync: copy(text, "Sync length"); break;
        case kDirection: {
            static const char* const kNames[] = {"Forward", "Alter", "Reverse"};
            const int32_t mode = settings.directionMode;
            copy(text, (mode >= 0 && mode <= 2) ? kNames[mode] : "Forward");
            break;
        }
        case kLength: longText(settings.lengthSamples, text); break;
        case kLengthQuant: format(text, "%i", settings.lengthQuantDivisions.load()); break;
        case kDivisionNum: format(text, "%i", divisionValue()); break;
        case kDivisionDenom: copy(text, v == 0.0f ? "1 2 4 8 16" : "1 3 5 7 9"); break;
        case kOffset: floatText(settings.offsetSamples, text); break;
        case kOffsetJmpFfw:
        case kOffsetJmpBack: copy(text, "Move to jump"); break;
        case kRepeats: format(text, "%i", settings.repeatCount.load()); break;
        case kRepeatLock: format(text, "%f", static_cast<double>(v)); break;
        case kMix: format(text, "%.2f %%", static_cast<double>(v)); break;
        case kTouchRec:
        case kShuffle:
        case kModulatorAmp:
        case kPitchHold:
        case kPitchRel:
        case kPitchMode:
        case kFilterSpeed: format(text, "%.2f", static_cast<double>(v)); break;
        case kGate: format(text, "%.f", static_cast<double>(settings.gateAmount * 100.0f)); break;
        case kBitCrush: format(text, "%i", truncInt(24.0f - 23.0f * v)); break;
        case kBlend: format(text, "%.f", static_cast<double>(v * 100.0f)); break;
        case kModulatorSpeed: format(text, "1/%i", settings.modulatorStepRate.load()); break;
        case kModulatorPhase:
            format(text, "%1.1f", static_cast<double>(settings.modulatorPolarity));
            break;
        case kModulatorMode: format(text, "%1f", static_cast<double>(v)); break;
        case kPitch: format(text, "%ld", long{truncInt(96.0f * v + 12.0f)} - 60); break;
        case kPitchPhase: copy(text, v != 0.0f ? "Up" : "Down"); break;
        // The cutoff as the filter plays it, modulation included (as of the
        // last block); gain and bandwidth as the design takes them.
        case kFilterFreq: format(text, "%.1f", engine->status().filterFreqHz.load()); break;
        case kFilterQ: format(text, "%.2f", stored(kFilterQ) + 0.0001); break;
        case kFilterGain: format(text, "%.1f", stored(kFilterGain) * 32.0 - 16.0); break;
        case kFilterType: format(text, "%.1f", static_cast<double>(v)); break;
        default: format(text, "idx %ld", static_cast<long>(index)); break;
    }
}
