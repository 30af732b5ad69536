// The order in which a program's values are applied, which every way of
// setting many values at once follows (selecting a program, an LV2 preset's
// ports arriving in one block). It matters: Length and Offset go first so
// that the lock taken next gets their ratio, Record goes after everything
// that shapes the loop it starts.
#pragma once

#include <iterator>

#include "params/ParameterIds.h"

inline constexpr int kProgramApplyOrder[] = {
    kLength,        kOffset,          kBpmLock,         kMix,
    kRepeats,       kRelease,         kDirection,       kDivisionNum,
    kDivisionDenom, kShuffle,         kBitCrush,        kGate,
    kRepeatLock,    kBpmSync,         kRewind,          kBlend,
    kLengthQuant,   kRecOffset,       kClear,           kRecord,
    kModulatorPhase, kModulatorSpeed, kModulatorAmp,    kModulatorMode,
    kPitch,         kPitchHold,       kPitchRel,        kPitchPhase,
    kPitchMode,     kFilterFreq,      kFilterQ,         kFilterGain,
    kFilterType,    kFilterSpeed,     kFilterSpeedSync, kFilterSpeedRestart,
    kFilterSpeedType, kTouchRec,
};
// Rec Sync and the two offset jumps keep their values across program changes.
inline constexpr int kProgramKeeps[] = {kRecSync, kOffsetJmpFfw, kOffsetJmpBack};
static_assert(std::size(kProgramApplyOrder) + std::size(kProgramKeeps) == kNumParams);
