// The user's actions reaching the plug-in: each report of a control becomes
// a parameter change, a command, a learn request or a change of the window
// alone. Runs inside the frame's mouse handling, on the editor's thread.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "editor/LoopScope.h"
#include "editor/StutterEditor.h"
#include "editor/TouchKnob.h"
#include "editor/ValueTexts.h"
#include "params/ParameterIds.h"
#include "common/Truncate.h"
#include "widgets/MouseButtons.h"
#include "widgets/OptionMenu.h"
#include "widgets/TextEntry.h"
#include "widgets/ValueDisplay.h"

namespace {

constexpr Color kCaptionColour{220, 194, 163, 255};

bool isReadoutKnob(int tag) {
    switch (tag) {
    case kBlend: case kShuffle: case kGate: case kPitch: case kPitchHold: case kPitchRel:
    case kModulatorSpeed: case kModulatorAmp: case kFilterFreq: case kFilterQ: case kFilterGain:
    case kFilterSpeed: return true;
    default: return false;
    }
}

bool isParameterMenu(int tag) {
    switch (tag) {
    case kRecSync: case kRecOffset: case kLengthQuant: case kModulatorMode: case kPitchMode:
    case kFilterType: case kFilterSpeedSync: case kFilterSpeedRestart: case kFilterSpeedType:
        return true;
    default: return false;
    }
}

}  // namespace

void StutterEditor::valueChanged(DrawContext& context, Control* control) {
    if (!control) return;
    const int tag = control->getTag();
    const int buttons = context.getMouseButtons();
    if (touchRecMode != 0 && (tag == kLength || tag == kOffset || tag == kMix))
        touchRecording(buttons);
    const bool readout = isReadoutKnob(tag) && controls.loopScope;
    if (readout && !(buttons & kAnyMouseButton)) {
        controls.loopScope->setScopeText("");
        // Let go after a drag: the value was sent while dragging. A value the
        // plug-in does not have yet came from the wheel or the arrow keys,
        // which report with no button held too, and is sent like any other.
        if (control->getValue() == stored(tag)) return;
        act(context, control);
        return;
    }
    // A right click on a plug-in control arms learning of a MIDI controller for it.
    if ((buttons & kRButton) && tag != kCmdTempoLength && tag < kNumParams) {
        host.runCommand(kCmdLearnKnob, static_cast<float>(tag));
    } else {
        act(context, control);
    }
    // The readout follows the value just sent, not the one before it.
    if (readout) showReadout(tag);
}

void StutterEditor::touchRecording(int buttons) {
    if (!(buttons & kAnyMouseButton)) {
        host.changeParameter(kRecord, 0.0f);
        if (controls.loopScope) controls.loopScope->clearSamples();
    } else if (stored(kRecord) != 1.0f) {
        host.changeParameter(kRecord, 1.0f);
        if (controls.loopScope) controls.loopScope->clearSamples();
    }
}

void StutterEditor::showReadout(int tag) {
    char value[EditorHost::kTextSize] = {};
    char label[EditorHost::kTextSize] = {};
    host.parameterText(tag, value, label);
    char text[160];
    std::snprintf(text, sizeof text, "%s %s", value, label);
    controls.loopScope->setScopeText(text);
}

void StutterEditor::act(DrawContext& context, Control* control) {
    const int tag = control->getTag();
    const float v = control->getValue();
    if (isParameterMenu(tag)) {
        auto* menu = static_cast<OptionMenu*>(control);
        host.changeParameter(
            tag, static_cast<float>(menu->getCurrentIndex()) / static_cast<float>(menu->getNbEntries()));
        control->redrawIfDirty(context);
        return;
    }
    switch (tag) {
    case kCmdOffsetOp:
    case kCmdLengthOp:
    case kCmdMidiAction:
        host.runCommand(tag, static_cast<float>(static_cast<OptionMenu*>(control)->getCurrentIndex()));
        return;
    case kBpmSync:
        host.runCommand(kCmdLengthOp, 0.0f);  // the "1 Bar" length operation
        if (controls.lengthKnob) controls.lengthKnob->setDefaultValue(stored(kLength));
        return;
    case kMix:
        if (touchRecMode == 1 && v == 1.0f) host.changeParameter(kRecord, 0.0f);
        break;
    case kTouchRec:
        touchRecMode = truncInt(v);
        host.changeParameter(kTouchRec, static_cast<float>(static_cast<int>(touchRecMode)));
        control->redrawIfDirty(context);
        return;
    case kTagLengthUnits: switchLengthUnits(v != 0.0f); return;
    case kTagOffsetUnits: switchOffsetUnits(v != 0.0f); return;
    case kCmdTempoLength: acceptTempo(); return;
    default: break;
    }
    // Every other report is a parameter's value; the credits' click passes
    // its own index on, which no parameter has.
    host.changeParameter(tag, v);
    control->redrawIfDirty(context);
}

void StutterEditor::switchLengthUnits(bool samples) {
    ValueDisplay* display = controls.lengthDisplay;
    if (!display) return;
    const float length = static_cast<float>(rangeMapper.lengthFromNormal(stored(kLength)));
    // The small nudge makes the display differ from what it drew, so it draws anew.
    display->setStringConvert(samples ? samplesText : lengthText, &this->display);
    display->setFontColor(samples ? kWhiteColor : kCaptionColour);
    display->setValue(samples ? length + 0.001f : length - 0.001f);
}

void StutterEditor::switchOffsetUnits(bool samples) {
    ValueDisplay* display = controls.offsetDisplay;
    if (!display) return;
    const float offset = static_cast<float>(rangeMapper.offsetFromNormal(stored(kOffset)));
    display->setStringConvert(samples ? samplesText : millisecondsText, &this->display);
    display->setFontColor(samples ? kWhiteColor : kCaptionColour);
    display->setValue(samples ? offset + 0.001f : offset - 0.001f);
}

void StutterEditor::acceptTempo() {
    if (!tempoEntry) return;
    const char* text = tempoEntry->getText();
    if (std::strlen(text) < 5) {
        const int tempo = static_cast<int>(std::atof(text));
        if (tempo >= 0 && tempo <= 9999) {
            host.runCommand(kCmdTempoLength, static_cast<float>(tempo));
            return;
        }
    }
    refreshTempoText();  // rejected: the field shows the loop's tempo again
}
