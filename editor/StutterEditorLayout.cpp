// The window's 50 controls, created in the order the frame draws them: later
// controls lie on top where rectangles overlap, so the invisible buttons over
// the tempo field and the two displays come after what they cover.
#include <cstdio>

#include "editor/LoopScope.h"
#include "editor/MenuEntries.h"
#include "editor/PanelBitmaps.h"
#include "editor/RecordButton.h"
#include "editor/StutterEditor.h"
#include "editor/TouchKnob.h"
#include "editor/TouchSlider.h"
#include "editor/ValueTexts.h"
#include "params/ParameterIds.h"
#include "common/Truncate.h"
#include "widgets/EditorFrame.h"
#include "widgets/HandleSlider.h"
#include "widgets/KickButton.h"
#include "widgets/OptionMenu.h"
#include "widgets/SplashView.h"
#include "widgets/StripKnob.h"
#include "widgets/Switches.h"
#include "widgets/TextEntry.h"
#include "widgets/ToggleButton.h"

namespace {

constexpr Color kCaptionColour{220, 194, 163, 255};
constexpr Color kDisplayBack{127, 127, 127, 255};
constexpr int kMenuFont = 3;

void styleMenu(OptionMenu* menu, Color font, Color back, int align) {
    menu->setFont(kMenuFont);
    menu->setFontColor(font);
    menu->setBackColor(back);
    menu->setHoriAlign(align);
}

}  // namespace

template <typename C>
C* StutterEditor::place(C* control, float value) {
    control->setValue(value);
    frame->addView(control);
    return control;
}

StripKnob* StutterEditor::placeSmallKnob(const Rect& r, int tag, Bitmap* strip, float defaultValue) {
    auto* knob = new StripKnob(r, this, tag, 19, 25, strip);
    knob->setTransparency(true);
    knob->setDefaultValue(defaultValue);
    return place(knob, current(tag));
}

void StutterEditor::createControls() {
    PanelBitmaps bitmaps;
    createTransportControls(bitmaps);
    createLoopControls(bitmaps);
    createSoundControls(bitmaps);
    createReadouts(bitmaps);
    tempoEntry = controls.tempoEntry;
}

void StutterEditor::createTransportControls(PanelBitmaps& bitmaps) {
    EditorControls& c = controls;
    c.recordButton = place(new RecordButton({361, 142, 386, 166}, this, kRecord, bitmaps[160]),
                           current(kRecord));
    c.rewindButton = place(new KickButton({361, 168, 386, 192}, this, kRewind, 24, bitmaps[161]),
                           current(kRewind));
    c.clearButton = place(new KickButton({361, 194, 386, 218}, this, kClear, 24, bitmaps[159]),
                          current(kClear));
    c.releaseButton = place(new ToggleButton({361, 220, 386, 244}, this, kRelease, bitmaps[162]),
                            current(kRelease));
    auto* scope = new LoopScope({291, 247, 391, 329}, this, kTagScope, bitmaps[163]);
    scope->setCursor(current(kStatusPlayPos));
    scope->setSample(current(kStatusRecordedLength), 0.0f);
    scope->setRecordMark(current(kStatusRecordPos));
    c.loopScope = place(scope, 0.0f);
    c.touchRecButton = place(new ToggleButton({4, 294, 18, 308}, this, kTouchRec, bitmaps[151]),
                             current(kTouchRec));
    touchRecMode = truncInt(current(kTouchRec));
    // An invisible press area over the tempo field.
    c.bpmSyncButton = place(new KickButton({265, 72, 337, 91}, this, kBpmSync, 18, nullptr), 0.0f);
    auto* recSync = new OptionMenu({3, 335, 84, 351}, this, kRecSync, bitmaps[179]);
    addEntries(*recSync, menu_entries::recSync);
    styleMenu(recSync, kWhiteColor, kBlackColor, kLeftText);
    c.recSyncMenu = recSync;
    frame->addView(recSync);
    char tempo[32];
    std::snprintf(tempo, sizeof tempo, "%.1f", tempoFromLoop(current(kLength), current(kOffset)));
    auto* entry = new TextEntry({298, 74, 330, 87}, this, kCmdTempoLength, tempo, nullptr, k3DFrame);
    entry->setFont(kMenuFont);
    entry->setFontColor({225, 242, 203, 255});
    entry->setBackColor({118, 57, 48, 255});
    entry->setFrameColor({118, 57, 48, 255});
    entry->setHoriAlign(kCenterText);
    c.tempoEntry = entry;
    frame->addView(entry);
    c.bpmLockButton = place(new ToggleButton({334, 71, 353, 88}, this, kBpmLock, bitmaps[134]),
                            current(kBpmLock));
}

void StutterEditor::createLoopControls(PanelBitmaps& bitmaps) {
    EditorControls& c = controls;
    auto* length = new TouchKnob({13, 110, 71, 168}, this, kLength, bitmaps[128], bitmaps[130],
                                 bitmaps[180]);
    length->setTransparency(true);
    length->setDefaultValue(current(kLength));
    length->setTouchMode(touchRecMode);
    c.lengthKnob = place(length, current(kLength));
    auto* lengthOp = new OptionMenu({186, 115, 205, 133}, this, kCmdLengthOp, bitmaps[171],
                                    bitmaps[172], kNoTextStyle);
    addEntries(*lengthOp, menu_entries::lengthOp);
    styleMenu(lengthOp, kWhiteColor, kBlackColor, kLeftText);
    c.lengthOpMenu = lengthOp;
    frame->addView(lengthOp);
    auto* quant = new OptionMenu({23, 173, 63, 189}, this, kLengthQuant, bitmaps[179], nullptr,
                                 kCheckStyle);
    addEntries(*quant, menu_entries::lengthQuant);
    styleMenu(quant, kCaptionColour, kBlackColor, kCenterText);
    c.lengthQuantMenu = quant;
    frame->addView(quant);
    c.repeatLockButton = place(
        new ToggleButton({300, 146, 350, 155}, this, kRepeatLock, bitmaps[168]), 0.0f);
    auto* repeats = new HandleSlider({273, 168, 350, 185}, this, kRepeats, 273, 341, bitmaps[137],
                                     bitmaps[136]);
    repeats->setOffsetHandle({0, 1});
    repeats->setDrawTransparentHandle(false);
    c.repeatsSlider = place(repeats, 0.0f);
    auto* mix = new TouchSlider({14, 262, 91, 279}, this, kMix, 14, 82, bitmaps[137], bitmaps[181],
                                bitmaps[136]);
    mix->setOffsetHandle({0, 1});
    mix->setDrawTransparentHandle(false);
    mix->setTouchMode(touchRecMode);
    c.mixSlider = place(mix, current(kMix));
    createOffsetControls(bitmaps);
}

void StutterEditor::createOffsetControls(PanelBitmaps& bitmaps) {
    EditorControls& c = controls;
    auto* offset = new TouchKnob({212, 198, 287, 272}, this, kOffset, bitmaps[129], bitmaps[130],
                                 bitmaps[180]);
    offset->setDefaultValue(0.5f);
    offset->setTouchMode(touchRecMode);
    c.offsetKnob = place(offset, current(kOffset));
    c.offsetJmpBackButton = place(
        new KickButton({300, 220, 324, 244}, this, kOffsetJmpBack, 24, bitmaps[165]), 0.0f);
    c.offsetJmpFfwButton = place(
        new KickButton({324, 220, 348, 244}, this, kOffsetJmpFfw, 24, bitmaps[164]), 0.0f);
    const auto menu = [&](const Rect& r, int tag, Bitmap* image, Bitmap* open, int style,
                          std::span<const char* const> entries) {
        auto* m = new OptionMenu(r, this, tag, image, open, style);
        addEntries(*m, entries);
        styleMenu(m, kWhiteColor, kBlackColor, kLeftText);
        frame->addView(m);
        return m;
    };
    c.offsetOpMenu = menu({192, 165, 211, 184}, kCmdOffsetOp, bitmaps[140], bitmaps[141],
                          kNoTextStyle, menu_entries::offsetOp);
    c.recOffsetMenu = menu({3, 355, 84, 371}, kRecOffset, bitmaps[179], nullptr, 0,
                           menu_entries::recOffset);
    c.midiMenu = menu({2, 312, 21, 331}, kCmdMidiAction, bitmaps[140], bitmaps[141], kNoTextStyle,
                      menu_entries::midiActions);
}

void StutterEditor::createSoundControls(PanelBitmaps& bitmaps) {
    EditorControls& c = controls;
    Bitmap* strip = bitmaps[170];
    c.gateKnob = placeSmallKnob({8, 219, 33, 244}, kGate, bitmaps[178], current(kGate));
    c.shuffleKnob = placeSmallKnob({8, 194, 33, 219}, kShuffle, bitmaps[178], current(kShuffle));
    c.blendKnob = placeSmallKnob({8, 371, 33, 396}, kBlend, strip, current(kBlend));
    c.pitchKnob = placeSmallKnob({206, 335, 231, 360}, kPitch, strip, current(kPitch));
    c.pitchHoldKnob = placeSmallKnob({232, 335, 257, 360}, kPitchHold, strip, current(kPitchHold));
    c.pitchRelKnob = placeSmallKnob({258, 335, 283, 360}, kPitchRel, strip, current(kPitchRel));
    auto* pitchMode = new OptionMenu({213, 369, 279, 385}, this, kPitchMode, bitmaps[156]);
    addEntries(*pitchMode, menu_entries::pitchMode);
    styleMenu(pitchMode, kCaptionColour, kBlackColor, kCenterText);
    c.pitchModeMenu = pitchMode;
    frame->addView(pitchMode);
    c.pitchPhaseButton = place(
        new ToggleButton({270, 363, 279, 372}, this, kPitchPhase, bitmaps[147]), current(kPitchPhase));
    c.filterFreqKnob = placeSmallKnob({298, 338, 323, 363}, kFilterFreq, strip, 1.0f);
    c.filterGainKnob = placeSmallKnob({324, 338, 349, 363}, kFilterGain, strip, 1.0f);
    c.filterQKnob = placeSmallKnob({350, 338, 375, 363}, kFilterQ, strip, 1.0f);
    c.filterSpeedKnob = placeSmallKnob({376, 338, 401, 363}, kFilterSpeed, strip, 0.5f);
    createFilterMenu(bitmaps);
    auto* modMode = new OptionMenu({99, 365, 188, 388}, this, kModulatorMode, bitmaps[176]);
    addEntries(*modMode, menu_entries::modulatorMode);
    styleMenu(modMode, kCaptionColour, kWhiteColor, kCenterText);
    c.modulatorModeMenu = modMode;
    frame->addView(modMode);
    c.modulatorSpeedKnob = placeSmallKnob({146, 340, 171, 365}, kModulatorSpeed, strip,
                                          current(kModulatorSpeed));
    c.modulatorAmpKnob = placeSmallKnob({117, 340, 142, 365}, kModulatorAmp, strip,
                                        current(kModulatorAmp));
    c.divisionSwitch = place(new HorizontalSwitch({272, 116, 349, 133}, this, kDivisionNum, 5, 17, 5,
                                                  bitmaps[133]),
                             current(kDivisionNum));
    c.divisionModeButton = place(
        new ToggleButton({272, 103, 350, 115}, this, kDivisionDenom, bitmaps[166]),
        current(kDivisionDenom));
    c.directionSwitch = place(
        new VerticalSwitch({364, 81, 384, 139}, this, kDirection, 3, 58, 3, bitmaps[135]),
        current(kDirection));
}

void StutterEditor::createFilterMenu(PanelBitmaps& bitmaps) {
    EditorControls& c = controls;
    const Rect area{305, 370, 395, 395};
    // The sub-menus report as themselves, with their own tags.
    const auto subMenu = [&](int tag, std::span<const char* const> entries) {
        auto* m = new OptionMenu(area, this, tag, bitmaps[169], nullptr, kCheckStyle);
        addEntries(*m, entries);
        styleMenu(m, kCaptionColour, kBlackColor, kCenterText);
        return m;
    };
    c.filterSpeedSyncMenu = subMenu(kFilterSpeedSync, menu_entries::filterSpeedSync);
    c.filterSpeedRestartMenu = subMenu(kFilterSpeedRestart, menu_entries::filterSpeedRestart);
    c.filterSpeedTypeMenu = subMenu(kFilterSpeedType, menu_entries::filterSpeedType);
    c.filterTypeMenu = subMenu(kFilterType, menu_entries::filterType);
    auto* filter = new OptionMenu(area, this, kTagFilterMenu, bitmaps[169], nullptr, kNoTextStyle);
    styleMenu(filter, kCaptionColour, kWhiteColor, kCenterText);
    const auto& titles = menu_entries::filterSubMenuTitles;
    OptionMenu* inOrder[] = {c.filterTypeMenu, c.filterSpeedTypeMenu, c.filterSpeedSyncMenu,
                             c.filterSpeedRestartMenu};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        filter->addEntry(inOrder[i], titles[i]);
        inOrder[i]->forget();  // the filter menu holds them from here on
    }
    c.filterMenu = filter;
    frame->addView(filter);
}

void StutterEditor::createReadouts(PanelBitmaps& bitmaps) {
    EditorControls& c = controls;
    c.creditsSplash = place(new SplashView({-2, 1, 309, 51}, this, kTagCredits, bitmaps[138],
                                           {-2, 1, 309, 51}),
                            0.0f);
    auto* length = new ValueDisplay({206, 117, 271, 134}, bitmaps[174]);
    length->setFont(kMenuFont);
    length->setFontColor(kCaptionColour);
    length->setBackColor(kDisplayBack);
    length->setTransparency(true);
    length->setTextTransparency(true);
    length->setStringConvert(lengthText, &display);
    c.lengthDisplay = place(length, static_cast<float>(rangeMapper.lengthFromNormal(current(kLength))));
    c.lengthUnitsButton = place(
        new ToggleButton({206, 117, 251, 131}, this, kTagLengthUnits, nullptr), 0.0f);
    auto* offset = new ValueDisplay({217, 167, 265, 184}, bitmaps[175]);
    offset->setFont(kMenuFont);
    offset->setFontColor(kCaptionColour);
    offset->setBackColor(kDisplayBack);
    offset->setStringConvert(millisecondsText, &display);
    c.offsetDisplay = place(
        offset, static_cast<float>(truncInt(rangeMapper.offsetFromNormal(current(kOffset)))));
    c.offsetUnitsButton = place(
        new ToggleButton({217, 167, 265, 184}, this, kTagOffsetUnits, nullptr), 0.0f);
}
