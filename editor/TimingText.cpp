#include "editor/TimingText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "common/Truncate.h"

namespace {

// How many whole `unit`s fit into `span`, both truncated to frames first; a
// unit under one frame (an absurd tempo) counts nothing.
int32_t wholeUnits(float span, float unit) {
    const int32_t whole = truncInt(unit);
    return whole > 0 ? truncInt(span) / whole : 0;
}

}  // namespace

void formatBarPosition(float frames, float rate, float tempo, char* text, std::size_t size) {
    const float barLen = static_cast<float>(static_cast<double>(rate) * 240.0 / tempo);
    const float eighthLen = static_cast<float>(static_cast<double>(rate) * 30.0 / tempo);
    const float sixtyFourthLen = static_cast<float>(static_cast<double>(rate) * 3.75 / tempo);

    const int32_t bars = wholeUnits(frames, barLen);
    const float rest = bars != 0 ? static_cast<float>(frames - double{1.0} * bars * barLen) : frames;
    const int32_t eighths = wholeUnits(rest, eighthLen);
    const float rest2 =
        eighths != 0 ? static_cast<float>(rest - double{1.0} * eighths * eighthLen) : rest;
    const int32_t sixtyFourths = wholeUnits(rest2, sixtyFourthLen);

    if (eighths == 0 && sixtyFourths == 0)
        std::snprintf(text, size, "%i Bar", bars);
    else if (sixtyFourths == 0)
        std::snprintf(text, size, "%i:%i/8", bars, eighths);
    else if (eighths == 0)
        std::snprintf(text, size, "%i:%i/64", bars, sixtyFourths);
    else
        std::snprintf(text, size, "%i:%i/8:%i/64", bars, eighths, sixtyFourths);
}

double frequencyToNote(double frequency) { return 12.0 * std::log2(frequency / 440.0) + 57.0; }

void formatNoteName(double note, bool useFlats, char* text, std::size_t size) {
    static const char* const kSharps[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                          "F#", "G",  "G#", "A",  "A#", "B"};
    static const char* const kFlats[] = {"C",  "Db", "D",  "Eb", "E",  "F",
                                         "Gb", "G",  "Ab", "A",  "Bb", "B"};
    const int32_t rounded = truncInt(note + 0.5);
    const int32_t pitchClass = rounded % 12;
    const char* name = pitchClass < 0 ? "" : (useFlats ? kFlats : kSharps)[pitchClass];
    std::snprintf(text, size, "%s%d", name, rounded / 12);
}
