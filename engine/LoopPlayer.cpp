// The audio callbacks. The loop recorder and player arrive with the engine;
// until then the effect passes its input through unchanged.
#include "plugin/StutterEffect.h"

void StutterEffect::process(float** inputs, float** outputs, VstInt32 frames) {
    for (int channel = 0; channel < 2; ++channel)
        for (VstInt32 i = 0; i < frames; ++i) outputs[channel][i] += inputs[channel][i];
}

void StutterEffect::processReplacing(float** inputs, float** outputs, VstInt32 frames) {
    for (int channel = 0; channel < 2; ++channel)
        for (VstInt32 i = 0; i < frames; ++i) outputs[channel][i] = inputs[channel][i];
}
