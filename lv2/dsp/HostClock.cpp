#include "lv2/dsp/HostClock.h"

#include <cmath>

#include <lv2/atom/util.h>

#include "lv2/Uris.h"

namespace {

// Hosts send time numbers as any numeric atom (Ardour: Long frames, Float
// speed and tempo; others Double or Int).
bool readNumber(const LV2_Atom* atom, const Uris& uris, double& out) {
    if (!atom) return false;
    double v;
    if (atom->type == uris.atomFloat && atom->size >= sizeof(float))
        v = reinterpret_cast<const LV2_Atom_Float*>(atom)->body;
    else if (atom->type == uris.atomDouble && atom->size >= sizeof(double))
        v = reinterpret_cast<const LV2_Atom_Double*>(atom)->body;
    else if (atom->type == uris.atomLong && atom->size >= sizeof(int64_t))
        v = static_cast<double>(reinterpret_cast<const LV2_Atom_Long*>(atom)->body);
    else if (atom->type == uris.atomInt && atom->size >= sizeof(int32_t))
        v = reinterpret_cast<const LV2_Atom_Int*>(atom)->body;
    else
        return false;
    if (!std::isfinite(v)) return false;
    out = v;
    return true;
}

}  // namespace

HostClock::HostClock(double sampleRate) { clock.sampleRate = sampleRate; }

void HostClock::takePosition(const LV2_Atom_Object& position, const Uris& uris, uint32_t offset) {
    const LV2_Atom* frame = nullptr;
    const LV2_Atom* speedAtom = nullptr;
    const LV2_Atom* tempo = nullptr;
    lv2_atom_object_get(&position, uris.timeFrame, &frame, uris.timeSpeed, &speedAtom,
                        uris.timeBeatsPerMinute, &tempo, 0);
    clock.known = true;
    readNumber(speedAtom, uris, speed);
    clock.playing = speed != 0.0;
    double bpm;
    if (readNumber(tempo, uris, bpm)) clock.tempo = bpm;
    double at;
    // The position is that of the event's frame; the block starts `offset`
    // frames earlier on a rolling transport.
    if (readNumber(frame, uris, at)) clock.samplePosition = at - speed * offset;
}

void HostClock::advance(uint32_t frames) {
    if (clock.known) clock.samplePosition += speed * frames;
}
