// MIDI from the host. Notes, controllers and learning arrive with the MIDI
// input; until then events are accepted and ignored.
#include "plugin/StutterEffect.h"

VstInt32 StutterEffect::processEvents(VstEvents* /*events*/) { return 1; }
