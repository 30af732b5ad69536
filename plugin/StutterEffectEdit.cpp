#include "plugin/StutterEffectEdit.h"

#include "plugin/AEffEditor.h"

std::atomic<bool> StutterEffectEdit::editorCreationFailed{false};

StutterEffectEdit::StutterEffectEdit(audioMasterCallback audioMaster)
    : StutterEffect(audioMaster) {
    setUniqueID(kZarvolineId);
}

void StutterEffectEdit::setParameter(VstInt32 index, float value) {
    StutterEffect::setParameter(index, value);
    if (editor) editor->setParameter(index, value);
}

void StutterEffectEdit::updateEditorParameter(VstInt32 index, float value) {
    if (editor) editor->setParameter(index, value);
}
