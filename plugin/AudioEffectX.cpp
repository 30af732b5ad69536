#include "plugin/AudioEffectX.h"

#include "plugin/AEffEditor.h"

namespace {

// The key modifiers travel as a float holding their flag bits; a float that
// holds no byte (negative, too large, NaN) carries none.
unsigned char keyModifiers(float opt) { return opt >= 0.0f && opt < 256.0f ? static_cast<unsigned char>(opt) : 0; }

}  // namespace

VstTimeInfo* AudioEffectX::getTimeInfo(VstInt32 filter) {
    return reinterpret_cast<VstTimeInfo*>(callHost(audioMasterGetTime, 0, filter, nullptr, 0.0f));
}

bool AudioEffectX::wantEvents(VstInt32 filter) {
    return callHost(audioMasterWantMidi, 0, filter, nullptr, 0.0f) != 0;
}

bool AudioEffectX::beginEdit(VstInt32 index) {
    return callHost(audioMasterBeginEdit, index, 0, nullptr, 0.0f) != 0;
}

bool AudioEffectX::endEdit(VstInt32 index) {
    return callHost(audioMasterEndEdit, index, 0, nullptr, 0.0f) != 0;
}

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
        case effProcessEvents: return processEvents(static_cast<VstEvents*>(ptr));
        case effCanBeAutomated: return canParameterBeAutomated(index) ? 1 : 0;
        case effGetNumProgramCategories: return getNumCategories();
        case effGetProgramNameIndexed:
            return getProgramNameIndexed(static_cast<VstInt32>(value), index, text) ? 1 : 0;
        case effConnectInput:
        case effConnectOutput: return 1;
        case effGetPlugCategory: return getPlugCategory();
        case effSetBlockSizeAndSampleRate:
            setBlockSize(static_cast<VstInt32>(value));
            setSampleRate(opt);
            return 1;
        case effGetEffectName: return (text && getEffectName(text)) ? 1 : 0;
        case effGetVendorString: return (text && getVendorString(text)) ? 1 : 0;
        case effGetProductString: return (text && getProductString(text)) ? 1 : 0;
        case effGetVendorVersion: return getVendorVersion();
        case effCanDo: return text ? canDo(text) : 0;
        case effGetTailSize: return getGetTailSize();
        case effKeysRequired: return keysRequired() ? 0 : 1;  // the interface's answer is inverted
        case effGetVstVersion: return getVstVersion();
        case effEditKeyDown:
        case effEditKeyUp: {
            if (!editor) return 0;
            VstKeyCode key{index, static_cast<unsigned char>(value), keyModifiers(opt)};
            return (opcode == effEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key)) ? 1 : 0;
        }
        case effSetEditKnobMode:
            return editor ? (editor->setKnobMode(static_cast<VstInt32>(value)) ? 1 : 0) : 0;
        case effGetCurrentMidiProgram: return -1;
        case effGetSpeakerArrangement:
            // No arrangement: both of the host's pointers are set to null.
            if (value) *reinterpret_cast<void**>(value) = nullptr;
            if (ptr) *static_cast<void**>(ptr) = nullptr;
            return 0;
        case effSetTotalSampleToProcess: return value;
        default:
            if (opcode >= effProcessEvents) return 0;
            return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}
