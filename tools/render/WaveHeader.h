// libsndfile writes float WAV in the extensible form, whose channel mask
// ffmpeg looks for, with the form's 22 bytes of extension. sox takes the
// float subformat for a format that must be followed by one more extension
// size and warns when there is none. This gives the fmt chunk that two-byte
// size (zero), taken from the padding chunk libsndfile leaves before the
// data, so that nothing else moves.
#pragma once

#include <string>

// A header laid out otherwise is left as it is. Answers false when the file
// could not be read or written.
bool addFloatExtensionSize(const std::string& path);
