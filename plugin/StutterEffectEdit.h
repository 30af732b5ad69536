// The class the host gets: the plug-in with its editor attached, and every
// parameter change passed on to the editor so that its controls follow.
#pragma once

#include "plugin/StutterEffect.h"

class StutterEditor;

class StutterEffectEdit : public StutterEffect {
public:
    explicit StutterEffectEdit(audioMasterCallback audioMaster);
    ~StutterEffectEdit() override;

    void setParameter(VstInt32 index, float value) override;
    void updateEditorParameter(VstInt32 index, float value) override;

    // The editor behind the host's editor opcodes; null without one.
    StutterEditor* stutterEditor() const;
};
