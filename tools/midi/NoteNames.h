// Notes written on the command line: "--note NOTE@START-END", with NOTE a
// MIDI note number or a name in the octave numbering of the plug-in's own
// texts (A4 = 57, C4 = 48, C5 = 60: note 60 plays a loop at its own pitch).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tools/midi/MidiEvent.h"

// 0..127 from "60", "C4", "F#3", "Bb2" (letter in either case, '#' or 'b'); -1 otherwise.
int parseNote(std::string_view text);

struct NoteSpan {
    int note = 60;
    double startSeconds = 0.0;
    double endSeconds = 0.0;
};

// Throws std::invalid_argument with a one-line reason.
NoteSpan parseNoteSpan(std::string_view text);

constexpr uint8_t kNoteVelocity = 100;

// The note-on and note-off of a span, on MIDI channel 1.
std::vector<TimedMidiEvent> noteEvents(const NoteSpan& span);
