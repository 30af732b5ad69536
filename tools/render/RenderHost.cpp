#include "tools/render/RenderHost.h"

#include <cstring>

namespace {

// Host opcodes that only plug-ins other than ours tend to ask.
constexpr VstInt32 kAudioMasterGetSampleRate = 16;
constexpr VstInt32 kAudioMasterGetBlockSize = 17;
constexpr VstInt32 kAudioMasterGetCurrentProcessLevel = 23;
constexpr VstInt32 kAudioMasterCanDo = 37;
constexpr VstIntPtr kProcessLevelOffline = 4;

bool hostCanDo(const char* what) {
    for (const char* known : {"sendVstEvents", "sendVstMidiEvent", "sendVstTimeInfo"})
        if (std::strcmp(what, known) == 0) return true;
    return false;
}

}  // namespace

VstIntPtr RenderHost::onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    switch (opcode) {
        case audioMasterVersion: return 2400;
        case audioMasterGetTime: return reinterpret_cast<VstIntPtr>(transport_.timeInfo());
        case audioMasterWantMidi: return 1;
        case kAudioMasterGetSampleRate: return static_cast<VstIntPtr>(transport_.sampleRate());
        case kAudioMasterGetBlockSize: return blockFrames_;
        case kAudioMasterGetCurrentProcessLevel: return kProcessLevelOffline;
        case kAudioMasterCanDo: return (ptr && hostCanDo(static_cast<const char*>(ptr))) ? 1 : 0;
        default: return 0;
    }
}
