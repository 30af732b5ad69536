// Indices of the plug-in's parameters, of the read-only status values and of
// the editor's commands. They all share the one index space of setParameter
// and getParameter.
#pragma once

enum ParameterId : int {
    kRecord = 0,
    kRecSync,
    kRecOffset,
    kRewind,
    kClear,
    kRelease,
    kBpmLock,
    kBpmSync,
    kDirection,
    kLength,
    kLengthQuant,
    kDivisionNum,
    kDivisionDenom,
    kOffset,
    kOffsetJmpFfw,
    kOffsetJmpBack,
    kRepeats,
    kRepeatLock,
    kMix,
    kTouchRec,
    kShuffle,
    kGate,
    kBitCrush,
    kBlend,
    kModulatorSpeed,
    kModulatorAmp,
    kModulatorPhase,
    kModulatorMode,
    kPitch,
    kPitchHold,
    kPitchRel,
    kPitchPhase,
    kPitchMode,
    kFilterFreq,
    kFilterQ,
    kFilterGain,
    kFilterType,
    kFilterSpeed,
    kFilterSpeedSync,
    kFilterSpeedRestart,
    kFilterSpeedType,
    kNumParams  // 41
};

// Read-only values of the engine, answered by getParameter only.
enum StatusId : int {
    kStatusPlayPos = 43,
    kStatusRecordPos = 44,
    kStatusRecordedLength = 45,
};

// Editor commands, understood by setParameter only; the value carries the
// operation number (or parameter index, or tempo).
enum CommandId : int {
    kCmdOffsetOp = 49,
    kCmdLengthOp = 50,
    kCmdLearnKnob = 57,
    kCmdMidiAction = 62,
    kCmdTempoLength = 63,
};

constexpr int kNumPrograms = 16;
constexpr int kSampleBufferFrames = 600000;  // capacity of each loop buffer
constexpr int kMaxLoopSamples = 200000;      // the longest loop length
