// The plug-in's changes reaching the window. setParameter (possibly on the
// audio thread) only notes which index changed; here, on the idle thread,
// each noted index moves its control, reading the plug-in's current value.
#include <cmath>

#include "editor/LoopScope.h"
#include "editor/RecordButton.h"
#include "editor/StutterEditor.h"
#include "editor/TouchKnob.h"
#include "editor/TouchSlider.h"
#include "engine/Timing.h"
#include "params/ParameterIds.h"
#include "params/StepMaps.h"
#include "common/Truncate.h"
#include "widgets/HandleSlider.h"
#include "widgets/KickButton.h"
#include "widgets/OptionMenu.h"
#include "widgets/StripKnob.h"
#include "widgets/Switches.h"
#include "widgets/ToggleButton.h"
#include "widgets/ValueDisplay.h"

namespace {

void setIfPresent(Control* control, float value) {
    if (control) control->setValue(value);
}

}  // namespace

OptionMenu* StutterEditor::menuForTag(int tag) const {
    const EditorControls& c = controls;
    for (OptionMenu* menu : {c.recSyncMenu, c.recOffsetMenu, c.lengthQuantMenu, c.modulatorModeMenu,
                             c.pitchModeMenu, c.filterTypeMenu, c.filterSpeedSyncMenu,
                             c.filterSpeedRestartMenu, c.filterSpeedTypeMenu, c.filterMenu})
        if (menu && menu->getTag() == tag) return menu;
    return nullptr;
}

Control* StutterEditor::plainControlForTag(int tag) const {
    const EditorControls& c = controls;
    Control* candidates[] = {c.rewindButton, c.releaseButton, c.directionSwitch,
                             c.divisionModeButton, c.repeatsSlider, c.repeatLockButton,
                             c.mixSlider, c.shuffleKnob, c.gateKnob, c.blendKnob,
                             c.modulatorSpeedKnob, c.modulatorAmpKnob, c.pitchKnob,
                             c.pitchHoldKnob, c.pitchRelKnob, c.pitchPhaseButton,
                             c.filterFreqKnob, c.filterQKnob, c.filterGainKnob,
                             c.filterSpeedKnob, c.offsetJmpFfwButton, c.offsetJmpBackButton};
    for (Control* control : candidates)
        if (control && control->getTag() == tag) return control;
    return nullptr;
}

int32_t StutterEditor::offsetSamples() const { return truncInt(rangeMapper.offsetFromNormal(current(kOffset))); }

int32_t StutterEditor::divisionDivisor() const {
    return static_cast<int32_t>(std::pow(2.0f, 4.0f * current(kDivisionNum)));
}

int32_t StutterEditor::offsetDivisor() const {
    return stored(kBpmLock) == 1.0f ? divisionDivisor() : 1;
}

void StutterEditor::applyChange(int index) {
    EditorControls& c = controls;
    if (index == kFilterType && c.filterTypeMenu) {
        // The menu shows the design that plays: its entries are the designs'
        // own steps (floor(8 v)), and a step without a design plays no filter.
        const int32_t design = quantizeStep(current(kFilterType), 7);
        c.filterTypeMenu->setValue(static_cast<float>(design >= 1 && design <= 7 ? design : 0));
        return;
    }
    if (OptionMenu* menu = menuForTag(index)) {
        menu->setNormalizedValue(current(index));
        return;
    }
    if (Control* control = plainControlForTag(index)) {
        control->setValue(current(index));
        return;
    }
    switch (index) {
    case kRecord:
        setIfPresent(c.recordButton, current(kRecord));
        if (c.recordButton && stored(kRecSync) != 0.0f) c.recordButton->setPending(recordPending);
        break;
    case kClear:
        setIfPresent(c.clearButton, current(kClear));
        if (c.loopScope) {
            c.loopScope->clearSamples();
            c.loopScope->setDirty();
        }
        break;
    case kBpmLock:
        if (c.offsetDisplay && c.bpmLockButton) {
            c.bpmLockButton->setValue(current(kBpmLock));
            c.offsetDisplay->setValue(static_cast<float>(offsetSamples() / offsetDivisor()));
        }
        break;
    case kLength: applyLength(); break;
    case kDivisionNum:
        setIfPresent(c.divisionSwitch, current(kDivisionNum));
        if (c.lengthDisplay && c.offsetDisplay) {
            const int32_t divisor = divisionDivisor();
            c.lengthDisplay->setValue(static_cast<float>(
                static_cast<int32_t>(rangeMapper.lengthFromNormal(current(kLength))) / divisor));
            if (stored(kBpmLock) == 1.0f)
                c.offsetDisplay->setValue(static_cast<float>(offsetSamples() / divisor));
        }
        break;
    case kOffset:
        setIfPresent(c.offsetKnob, current(kOffset));
        if (c.offsetDisplay)
            c.offsetDisplay->setValue(static_cast<float>(offsetSamples() / offsetDivisor()));
        refreshTempoText();
        break;
    case kTouchRec: applyTouchRec(); break;
    case kStatusPlayPos: applyLevelReports(); break;
    default: break;
    }
}

void StutterEditor::applyLength() {
    EditorControls& c = controls;
    setIfPresent(c.lengthKnob, current(kLength));
    if (c.lengthDisplay) {
        const float length = static_cast<float>(rangeMapper.lengthFromNormal(current(kLength)));
        const int32_t grid = lengthQuantDivisionsFor(current(kLengthQuant));
        c.lengthDisplay->setValue(
            grid == 0 ? length
                      : static_cast<float>(quantizeLength(static_cast<int32_t>(length),
                                                          truncInt(display.samplesPerBar), grid)));
    }
    refreshTempoText();
}

void StutterEditor::applyTouchRec() {
    EditorControls& c = controls;
    setIfPresent(c.touchRecButton, current(kTouchRec));
    touchRecMode = truncInt(current(kTouchRec));
    if (c.loopScope) c.loopScope->setScopeText("");
    if (c.lengthKnob) c.lengthKnob->setTouchMode(touchRecMode);
    if (c.offsetKnob) c.offsetKnob->setTouchMode(touchRecMode);
    if (c.mixSlider) c.mixSlider->setTouchMode(touchRecMode);
}

void StutterEditor::applyLevelReports() {
    LoopScope* scope = controls.loopScope;
    levelReports.drain([&](const LevelReport& report) {
        if (!scope) return;
        const bool unchanged = report.playPos == display.lastPlayPos &&
                               report.recordPos == display.lastRecordPos &&
                               report.recordedLength == display.lastRecordedLength;
        display.lastPlayPos = report.playPos;
        display.lastRecordPos = report.recordPos;
        display.lastRecordedLength = report.recordedLength;
        if (unchanged) return;  // nothing moved: leave the scope and its picture alone
        scope->setCursor(report.playPos);
        scope->setRecordMark(report.recordPos);
        scope->setSample(report.recordedLength, report.level);
        scope->setDirty();
    });
}
