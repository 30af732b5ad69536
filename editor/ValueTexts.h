// The texts of the Length and Offset displays. Each has the form of the
// kit's StringConvert; the user data is the editor's DisplayContext (the
// tempo and sample rate the host last gave), and may be null.
#pragma once

// A sample count, "%1.0f".
void samplesText(float value, char* text, void* userData);
// A sample count read as milliseconds at 44.1 kHz, "%1.2f", whatever the
// host's rate: the offset is set in samples, and this keeps its reading stable.
void millisecondsText(float value, char* text, void* userData);
// A length in samples: bars and their fractions from a 1/64 note up, the
// note heard when such a short loop repeats below that, "h" for a single sample.
void lengthText(float value, char* text, void* userData);
