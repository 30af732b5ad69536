// MIDI from the host: notes play the effect or recall programs, controllers
// and pitch bend drive parameters, and the learn modes bind the next message.
// Everything is applied at once, when the message arrives (on the audio
// thread); program changes wait for the Rec Sync grid.
#pragma once

#include <cstdint>

#include "midi/MidiMaps.h"
#include "midi/MidiTarget.h"

class MidiInput {
public:
    MidiInput(MidiMaps& maps, MidiTarget& target) : maps(maps), target(target) {}

    // One channel message; the data bytes are taken as seven bits.
    void handleMessage(uint8_t status, uint8_t data1, uint8_t data2);

private:
    void handleNote(int note, int velocity);
    void handleController(int controller, float value);

    MidiMaps& maps;
    MidiTarget& target;
};
