// The class the host gets: the plug-in with its editor attached, and every
// parameter change passed on to the editor so that its controls follow.
#pragma once

#include <atomic>

#include "plugin/StutterEffect.h"

class StutterEffectEdit : public StutterEffect {
public:
    explicit StutterEffectEdit(audioMasterCallback audioMaster);
    ~StutterEffectEdit() override = default;

    void setParameter(VstInt32 index, float value) override;
    void updateEditorParameter(VstInt32 index, float value) override;

    // Set once an editor could not be created; the entry point then refuses
    // to hand out instances.
    static std::atomic<bool> editorCreationFailed;
};
