// Where each control of the editor window sits (left, top, right, bottom).
// The panel prints its captions around these rectangles, and the bitmaps
// that carry a piece of the panel in their corners cut it from here.
#pragma once

#include "resources/artwork/Geometry.h"

namespace artwork::layout {

inline constexpr Rect kWindow{0, 0, 400, 400};

// Title and credits.
inline constexpr Rect kCredits{-2, 1, 309, 51};

// Transport column.
inline constexpr Rect kRecordButton{361, 142, 386, 166};
inline constexpr Rect kRewindButton{361, 168, 386, 192};
inline constexpr Rect kClearButton{361, 194, 386, 218};
inline constexpr Rect kReleaseButton{361, 220, 386, 244};

// Tempo row.
inline constexpr Rect kBpmSyncArea{265, 72, 337, 91};
inline constexpr Rect kTempoEntry{298, 74, 330, 87};
inline constexpr Rect kBpmLockButton{334, 71, 353, 88};

// Length.
inline constexpr Rect kLengthKnob{13, 110, 71, 168};
inline constexpr Rect kLengthOpMenu{186, 115, 205, 133};
inline constexpr Rect kLengthQuantMenu{23, 173, 63, 189};
inline constexpr Rect kLengthDisplay{206, 117, 271, 134};

// Division, direction and repeats.
inline constexpr Rect kDivisionModeButton{272, 103, 350, 115};
inline constexpr Rect kDivisionSwitch{272, 116, 349, 133};
inline constexpr Rect kDirectionSwitch{364, 81, 384, 139};
inline constexpr Rect kRepeatLockButton{300, 146, 350, 155};
inline constexpr Rect kRepeatsSlider{273, 168, 350, 185};

// Offset.
inline constexpr Rect kOffsetKnob{212, 198, 287, 272};
inline constexpr Rect kOffsetOpMenu{192, 165, 211, 184};
inline constexpr Rect kOffsetDisplay{217, 167, 265, 184};
inline constexpr Rect kOffsetJmpBackButton{300, 220, 324, 244};
inline constexpr Rect kOffsetJmpFfwButton{324, 220, 348, 244};

// Scope: the control is twice as tall as the picture it draws.
inline constexpr Rect kLoopScope{291, 247, 391, 329};
inline constexpr Rect kLoopScopePicture{291, 247, 391, 288};

// Groove and mix.
inline constexpr Rect kShuffleKnob{8, 194, 33, 219};
inline constexpr Rect kGateKnob{8, 219, 33, 244};
inline constexpr Rect kMixSlider{14, 262, 91, 279};

// Miscellaneous.
inline constexpr Rect kTouchRecButton{4, 294, 18, 308};
inline constexpr Rect kMidiMenu{2, 312, 21, 331};
inline constexpr Rect kRecSyncMenu{3, 335, 84, 351};
inline constexpr Rect kRecOffsetMenu{3, 355, 84, 371};
inline constexpr Rect kBlendKnob{8, 371, 33, 396};

// Modulator.
inline constexpr Rect kModulatorAmpKnob{117, 340, 142, 365};
inline constexpr Rect kModulatorSpeedKnob{146, 340, 171, 365};
inline constexpr Rect kModulatorModeMenu{99, 365, 188, 388};

// Pitch.
inline constexpr Rect kPitchKnob{206, 335, 231, 360};
inline constexpr Rect kPitchHoldKnob{232, 335, 257, 360};
inline constexpr Rect kPitchRelKnob{258, 335, 283, 360};
inline constexpr Rect kPitchModeMenu{213, 369, 279, 385};
inline constexpr Rect kPitchPhaseButton{270, 363, 279, 372};

// Filter.
inline constexpr Rect kFilterFreqKnob{298, 338, 323, 363};
inline constexpr Rect kFilterGainKnob{324, 338, 349, 363};
inline constexpr Rect kFilterQKnob{350, 338, 375, 363};
inline constexpr Rect kFilterSpeedKnob{376, 338, 401, 363};
inline constexpr Rect kFilterMenu{305, 370, 395, 395};

}  // namespace artwork::layout
