#include "lv2/Uris.h"

#include <lv2/atom/atom.h>
#include <lv2/midi/midi.h>
#include <lv2/time/time.h>

#include "lv2/BundleUris.h"

Uris::Uris(const LV2_URID_Map& map) {
    const auto id = [&](const char* uri) { return map.map(map.handle, uri); };
    atomBlank = id(LV2_ATOM__Blank);
    atomObject = id(LV2_ATOM__Object);
    atomSequence = id(LV2_ATOM__Sequence);
    atomFloat = id(LV2_ATOM__Float);
    atomDouble = id(LV2_ATOM__Double);
    atomInt = id(LV2_ATOM__Int);
    atomLong = id(LV2_ATOM__Long);
    atomChunk = id(LV2_ATOM__Chunk);
    atomEventTransfer = id(LV2_ATOM__eventTransfer);
    midiEvent = id(LV2_MIDI__MidiEvent);
    timePosition = id(LV2_TIME__Position);
    timeFrame = id(LV2_TIME__frame);
    timeSpeed = id(LV2_TIME__speed);
    timeBeatsPerMinute = id(LV2_TIME__beatsPerMinute);
    command = id(ZARVOLINE_LV2_MSG_COMMAND);
    sendAll = id(ZARVOLINE_LV2_MSG_SEND_ALL);
    value = id(ZARVOLINE_LV2_MSG_VALUE);
    level = id(ZARVOLINE_LV2_MSG_LEVEL);
    timing = id(ZARVOLINE_LV2_MSG_TIMING);
    index = id(ZARVOLINE_LV2_MSG_INDEX);
    number = id(ZARVOLINE_LV2_MSG_NUMBER);
    playPosition = id(ZARVOLINE_LV2_MSG_PLAY_POSITION);
    recordPosition = id(ZARVOLINE_LV2_MSG_RECORD_POSITION);
    recordedLength = id(ZARVOLINE_LV2_MSG_RECORDED_LENGTH);
    cutoff = id(ZARVOLINE_LV2_MSG_CUTOFF);
    tempo = id(ZARVOLINE_LV2_MSG_TEMPO);
    sampleRate = id(ZARVOLINE_LV2_MSG_SAMPLE_RATE);
    stateCore = id(ZARVOLINE_LV2_STATE_CORE);
    stateFactoryProgram = id(ZARVOLINE_LV2_STATE_FACTORY_PROGRAM);
}
