#include "plugin/VstEditor.h"

#include <cstdint>

#include "params/ParameterIds.h"
#include "plugin/AudioEffectX.h"

namespace {

// The kit numbers its keys and modifiers as VST 2 hosts do, so a key code
// carries over field by field.
KeyStroke keyStrokeOf(const VstKeyCode& key) {
    return KeyStroke{static_cast<int>(key.character), key.virt, key.modifier};
}

}  // namespace

VstEditor::VstEditor(AudioEffectX& effect)
    : AEffEditor(&effect), effectX(effect), host(effect), stutterEditor(host) {
    const Rect& size = stutterEditor.getSize();
    rect = ERect{static_cast<int16_t>(size.top), static_cast<int16_t>(size.left),
                 static_cast<int16_t>(size.bottom), static_cast<int16_t>(size.right)};
    effect.setEditor(this);
}

VstEditor::~VstEditor() { stutterEditor.close(); }

bool VstEditor::getRect(ERect** out) {
    *out = &rect;
    return true;
}

// The host's window arrives in the pointer: on Linux an X11 window id.
bool VstEditor::open(void* parentWindow) {
    const bool opened = stutterEditor.open(reinterpret_cast<ParentWindow>(parentWindow));
    systemWindow = opened ? parentWindow : nullptr;
    return opened;
}

void VstEditor::close() {
    stutterEditor.close();
    systemWindow = nullptr;
}

void VstEditor::idle() { stutterEditor.idle(); }

void VstEditor::postUpdate() { stutterEditor.postUpdate(); }

void VstEditor::setParameter(VstInt32 index, float value) {
    if (!stutterEditor.isOpened()) return;
    // The engine reports a level as a change of the play position, whose
    // value is the level; where the loop stood is in the status values.
    if (index == kStatusPlayPos)
        stutterEditor.reportLevel({value, effectX.getParameter(kStatusPlayPos),
                                   effectX.getParameter(kStatusRecordPos),
                                   effectX.getParameter(kStatusRecordedLength)});
    stutterEditor.setParameter(index, value);
}

bool VstEditor::onKeyDown(VstKeyCode& key) {
    KeyStroke stroke = keyStrokeOf(key);
    return stutterEditor.onKeyDown(stroke);
}

bool VstEditor::onKeyUp(VstKeyCode& key) {
    KeyStroke stroke = keyStrokeOf(key);
    return stutterEditor.onKeyUp(stroke);
}

bool VstEditor::setKnobMode(VstInt32 mode) {
    FrameEditor::setKnobMode(mode);
    return true;
}
