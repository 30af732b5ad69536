// The URIDs the DSP and the editor read and write, mapped once when an
// instance or an editor is made.
#pragma once

#include <lv2/urid/urid.h>

struct Uris {
    explicit Uris(const LV2_URID_Map& map);

    LV2_URID atomBlank, atomObject, atomSequence, atomFloat, atomDouble, atomInt, atomLong,
        atomChunk, atomEventTransfer;
    LV2_URID midiEvent;
    LV2_URID timePosition, timeFrame, timeSpeed, timeBeatsPerMinute;
    LV2_URID command, sendAll, value, level, timing;
    LV2_URID index, number, playPosition, recordPosition, recordedLength, cutoff, tempo, sampleRate;
    LV2_URID stateCore, stateFactoryProgram;
};
