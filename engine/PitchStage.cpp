// The read speed of the replay: a semitone table indexed by the Pitch knob,
// wobbled by the vibrato, or taken over by a held MIDI note.
#include "engine/PitchStage.h"

#include <cmath>

#include "engine/StutterEngine.h"

int32_t pitchIndex(float pitch, float hold, float rel, int32_t lfoTime) {
    // 12..108: four octaves down to four up around the unity entry 60.
    const int32_t index = truncInt(pitch * 96.0 + 12.0);
    if (rel == 0.0f || hold == 0.0f) return index;
    // Pitch rel sets the vibrato's period, Pitch hold its depth in semitones.
    const double period = (rel * 10.0 + 1.0) * 1000.0;
    const double depth = hold * 24.0 + 1.0;
    const float wobbled = static_cast<float>(std::sin(lfoTime / period) * depth + index);
    return truncInt(wobbled);
}


float StutterEngine::computePitchRatio() {
    if (engine.noteHeld) return pitchTable.ratio(engine.heldNote);
    if (settings.pitchMode == 0) return 1.0f;
    return pitchTable.ratio(pitchIndex(stored(kPitch), stored(kPitchHold), stored(kPitchRel),
                                      engine.pitchLfoTime));
}
