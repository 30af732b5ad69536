#include "plugin/StutterEffect.h"

#include <cstring>
#include <new>

#include "plugin/AEffEditor.h"

namespace {

void copyText(char* destination, const char* source) {
    std::strncpy(destination, source, kVstMaxTextLen - 1);
    destination[kVstMaxTextLen - 1] = 0;
}

}  // namespace

StutterEffect::StutterEffect(audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    // Everything the instance will ever use is allocated here, never later.
    loopBufferLeft = new (std::nothrow) float[kSampleBufferFrames]();
    loopBufferRight = new (std::nothrow) float[kSampleBufferFrames]();
    programs = new (std::nothrow) ProgramRecord[kNumPrograms];

    if (VstTimeInfo* time = getTimeInfo(kVstPpqPosValid | kVstTempoValid | kVstBarsValid))
        takeHostTiming(*time);

    if (programs) {
        // Rec Sync and the two offset jumps are not applied by setProgram, so
        // they start from the record's values directly.
        for (int p = 0; p < kNumParams; ++p) paramValues[p] = programs[0].value(p);
        writeFactoryPresets();
        setProgram(0);
    }

    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing(true);
    setUniqueID(kZarvolineId);
    suspend();

    midi.resetControllerMap();
    midi.clearNoteProgramMap();
    glideLengthAtStart = settings.lengthSamples;
    engine.glideLength = glideLengthAtStart;
    if (editor) editor->postUpdate();
}

StutterEffect::~StutterEffect() {
    delete[] loopBufferLeft;
    delete[] loopBufferRight;
    delete[] programs;
}

void StutterEffect::resume() {
    wantEvents(1);
    restartPlayback();
}

bool StutterEffect::getEffectName(char* name) {
    copyText(name, "Zarvoline");
    return true;
}

bool StutterEffect::getVendorString(char* text) {
    copyText(text, "Velmora");
    return true;
}

bool StutterEffect::getProductString(char* text) { return getEffectName(text); }

VstInt32 StutterEffect::canDo(char* text) {
    static const char* const kCapabilities[] = {"receiveVstEvents", "receiveVstMidiEvent",
                                                "receiveVstTimeInfo"};
    for (const char* capability : kCapabilities)
        if (std::strcmp(text, capability) == 0) return 1;
    return -1;
}

void StutterEffect::updateEditorParameter(VstInt32 /*index*/, float /*value*/) {
    if (editor) editor->postUpdate();
}
