#include "plugin/StutterEffectEdit.h"

#include <new>

#include "plugin/VstEditor.h"

StutterEffectEdit::StutterEffectEdit(audioMasterCallback audioMaster)
    : StutterEffect(audioMaster) {
    setUniqueID(kZarvolineId);
    // The editor attaches itself; without memory for it there is none, and
    // the entry point refuses the instance.
    new (std::nothrow) VstEditor(*this);
}

StutterEffectEdit::~StutterEffectEdit() {
    // The window goes while the plug-in it shows is still whole.
    if (editor) editor->close();
}

void StutterEffectEdit::setParameter(VstInt32 index, float value) {
    StutterEffect::setParameter(index, value);
    if (editor) editor->setParameter(index, value);
}

void StutterEffectEdit::updateEditorParameter(VstInt32 index, float value) {
    if (editor) editor->setParameter(index, value);
}

StutterEditor* StutterEffectEdit::stutterEditor() const {
    return editor ? &static_cast<VstEditor*>(editor)->editor() : nullptr;
}
