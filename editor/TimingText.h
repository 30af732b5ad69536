// Lengths as a musician reads them: in bars, eighths and sixty-fourths of a
// bar, or, for loops so short that their repetition is heard as a tone, as
// the name of that note. Used by the editor's Length display.
#pragma once

#include <cstddef>

// Writes "1 Bar", "1:4/8", "0:1/64", "2:3/8:1/64" and the like for a length
// in frames at the given rate and tempo. Anything under a sixty-fourth of a
// bar reads "0 Bar".
void formatBarPosition(float frames, float rate, float tempo, char* text, std::size_t size);

// The MIDI-style note number of a frequency: 440 Hz is note 57.
double frequencyToNote(double frequency);

// The note's name and octave, "A4" or "Bb2"; flats when useFlats is set. A
// note below -0.5 has no name and shows its octave alone.
void formatNoteName(double note, bool useFlats, char* text, std::size_t size);
