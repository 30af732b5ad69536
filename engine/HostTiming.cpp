// Following the host's clock: once per block the engine asks for the time
// information and takes the song position, sample rate and tempo from it.
#include "engine/Timing.h"
#include "params/Truncate.h"
#include "plugin/StutterEffect.h"

namespace {

// Only these are asked for; the engine reads the sample position, the rate,
// the tempo and whether the transport plays, nothing else.
constexpr VstInt32 kTimeRequest = kVstPpqPosValid | kVstTempoValid | kVstBarsValid;

}  // namespace

void StutterEffect::refreshHostTiming() {
    const VstTimeInfo* time = getTimeInfo(kTimeRequest);
    if (!time) return;  // no answer: the last timing stays in use
    if ((time->flags & kVstTransportPlaying) != 0)
        engine.songPosition = truncInt(time->samplePos);
    else
        engine.songPosition = wrappingAdd(engine.songPosition, 1);  // runs on by itself
    takeRateAndTempo(*time);
}

void StutterEffect::takeHostTiming(const VstTimeInfo& time) {
    engine.songPosition = truncInt(time.samplePos);
    takeRateAndTempo(time);
}

void StutterEffect::takeRateAndTempo(const VstTimeInfo& time) {
    const int32_t rate = sampleRateFromHost(time.sampleRate);
    const int32_t tempo = tempoFromHost(time.tempo, engine.hostTempo);
    engine.hostSampleRate = rate;
    engine.hostTempo = tempo;
    engine.samplesPerBar = barLengthFrames(rate, tempo);
    // The filter is designed for the rate it runs at.
    if (engine.filterSampleRate != rate) publishFilterDesign();
}
