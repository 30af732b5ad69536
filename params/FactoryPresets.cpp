// The thirteen factory programs, written once when an instance is created.
#include <cstdio>
#include <initializer_list>
#include <iterator>

#include "params/FactoryPresets.h"
#include "params/ParameterModel.h"

namespace {

// Values that are loop lengths or offsets in frames are converted through
// the knob curves when written; these mark them.
enum FrameUnit { kNormal, kLengthFrames, kOffsetFrames };

struct PresetSetting {
    int parameter;
    float value;
    FrameUnit unit = kNormal;
};

struct FactoryPreset {
    const char* name;
    std::initializer_list<PresetSetting> settings;
};

const FactoryPreset kFactoryPresets[] = {
    {"Touch Rec - use length", {{kBpmLock, 0.0f}, {kTouchRec, 1.0f}}},
    {"The Bar Fly",
     {{kLength, 400, kLengthFrames}, {kOffset, 3400, kOffsetFrames}, {kRepeats, 1.0f},
      {kRecord, 1.0f}, {kClear, 1.0f}, {kBpmLock, 0.0f}}},
    {"Timestrech 1000%",
     {{kLength, 1000, kLengthFrames}, {kOffset, 100, kOffsetFrames}, {kRecord, 1.0f},
      {kClear, 1.0f}}},
    {"Time scale - use TRA,length",
     {{kLength, 1000, kLengthFrames}, {kOffset, 1000, kOffsetFrames}, {kPitch, 0.8f},
      {kPitchMode, 1.0f}, {kBpmLock, 0.0f}, {kBpmSync, 0.0f}, {kRecord, 1.0f}, {kClear, 1.0f}}},
    {"Downsample 16 times",
     {{kLength, 1, kLengthFrames}, {kOffset, 16, kOffsetFrames}, {kRepeats, 1.0f},
      {kBpmLock, 0.0f}, {kRecord, 1.0f}, {kClear, 1.0f}}},
    {"Desolate",
     {{kLength, 64, kLengthFrames}, {kOffset, 4, kOffsetFrames}, {kBpmLock, 0.0f},
      {kRecord, 1.0f}, {kClear, 1.0f}}},
    {"One Bar sync",
     {{kOffset, 0.5f}, {kLength, 1.0f}, {kBpmLock, 1.0f}, {kBpmSync, 1.0f}, {kRecord, 1.0f},
      {kClear, 1.0f}}},
    {"Studder",
     {{kOffset, 1000, kOffsetFrames}, {kLength, 10000, kLengthFrames}, {kDivisionNum, 1.0f},
      {kBpmLock, 1.0f}, {kBpmSync, 1.0f}, {kRecord, 1.0f}, {kClear, 1.0f}}},
    {"Into the Matrix",
     {{kLength, 1000, kLengthFrames}, {kOffset, 2, kOffsetFrames}, {kBpmLock, 0.0f},
      {kBpmSync, 0.0f}, {kRecord, 1.0f}, {kClear, 1.0f}, {kModulatorMode, 1.0f / 7.0f},
      {kModulatorAmp, 0.95f}, {kModulatorSpeed, 0.1f}}},
    {"Major Arpegio",
     {{kLength, 1000, kLengthFrames}, {kOffset, 2, kOffsetFrames}, {kBpmLock, 0.0f},
      {kBpmSync, 0.0f}, {kRecord, 1.0f}, {kClear, 1.0f}, {kModulatorMode, 4.0f / 7.0f},
      {kModulatorAmp, 1.0f}, {kModulatorSpeed, 0.8f}}},
    {"Crack Head - use offset",
     {{kLength, 8, kLengthFrames}, {kOffset, 300, kOffsetFrames}, {kBpmLock, 0.0f},
      {kBpmSync, 0.0f}, {kRecord, 1.0f}, {kClear, 1.0f}}},
    {"Broken Speaker",
     {{kLength, 600, kLengthFrames}, {kOffset, 6, kOffsetFrames}, {kGate, 0.957f},
      {kBpmLock, 0.0f}, {kBpmSync, 0.0f}, {kDirection, 1.0f}, {kRecord, 1.0f},
      {kClear, 1.0f}}},
    {"Locked Offseting - Use offset",
     {{kOffset, 0.5f}, {kLength, 1.0f}, {kBpmLock, 1.0f}, {kBpmSync, 1.0f}, {kRecord, 1.0f},
      {kClear, 1.0f}}},
};

}  // namespace

int factoryPresetCount() { return static_cast<int>(std::size(kFactoryPresets)); }

const char* factoryPresetName(int preset) {
    return preset >= 0 && preset < factoryPresetCount() ? kFactoryPresets[preset].name : nullptr;
}

void writeFactoryPreset(int preset, ProgramRecord& record) {
    if (preset < 0 || preset >= factoryPresetCount()) return;
    const RangeMapper rangeMapper;
    const FactoryPreset& factory = kFactoryPresets[preset];
    for (int p = 0; p < kNumParams; ++p) record.setValue(p, kParameterTable[p].freshValue);
    record.setName(factory.name);
    for (const PresetSetting& s : factory.settings) {
        float value = s.value;
        if (s.unit == kLengthFrames) value = static_cast<float>(rangeMapper.lengthToNormal(s.value));
        if (s.unit == kOffsetFrames) value = static_cast<float>(rangeMapper.offsetToNormal(s.value));
        record.setValue(s.parameter, value);
    }
}

void ParameterModel::writeFactoryPresets() {
    for (int p = 0; p < kNumPrograms; ++p) {
        char name[kProgramNameSize];
        std::snprintf(name, sizeof name, "QLX-%i", p);
        programs[p].setName(name);
    }
    for (int preset = 0; preset < factoryPresetCount(); ++preset) writeFactoryPreset(preset, programs[preset]);
    // Program 0's loop is one bar at the host's tempo of this moment, stored
    // into the live values and program 0 (the current one) alike.
    currentIndex = 0;
    setLengthFromTempo(1.0f, 1.0f);
}
