// What MIDI input acts on: the parameters, the programs (on the Rec Sync
// grid) and the loop played at a note's pitch.
#pragma once

#include <cstdint>

class MidiTarget {
public:
    virtual void setParameter(int index, float value) = 0;
    // Recalls a program (and starts recording) on the next Rec Sync grid point.
    virtual void queueProgramChange(int32_t program) = 0;
    // A note without a program plays the loop at its pitch; letting go stops it.
    virtual void playNote(int note) = 0;
    virtual void releaseNote() = 0;

protected:
    ~MidiTarget() = default;
};
