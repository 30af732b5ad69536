#include "tools/midi/NoteNames.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

// Semitones above C of the natural notes A to G.
constexpr int kLetterSemitones[7] = {9, 11, 0, 2, 4, 5, 7};

bool parseWhole(std::string_view text, int& value) {
    if (text.empty() || text.size() > 3) return false;
    value = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// A finite number at the start of `text`; `rest` is what follows it.
bool parseSeconds(const std::string& text, double& value, std::string& rest) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(value)) return false;
    rest = end;
    return true;
}

}  // namespace

int parseNote(std::string_view text) {
    int number = 0;
    if (parseWhole(text, number)) return number <= 127 ? number : -1;
    if (text.size() < 2) return -1;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (letter < 'A' || letter > 'G') return -1;
    int semitone = kLetterSemitones[letter - 'A'];
    size_t pos = 1;
    if (text[pos] == '#') {
        ++semitone;
        ++pos;
    } else if (text[pos] == 'b') {
        --semitone;
        ++pos;
    }
    int octave = 0;
    if (!parseWhole(text.substr(pos), octave)) return -1;
    const int note = octave * 12 + semitone;
    return (note >= 0 && note <= 127) ? note : -1;
}

NoteSpan parseNoteSpan(std::string_view text) {
    const std::string whole(text);
    const size_t at = whole.find('@');
    const std::string expected = "expected NOTE@START-END (e.g. C5@0.5-1.25), got \"" + whole + "\"";
    if (at == std::string::npos) throw std::invalid_argument(expected);
    NoteSpan span;
    span.note = parseNote(std::string_view(whole).substr(0, at));
    if (span.note < 0)
        throw std::invalid_argument("\"" + whole.substr(0, at) + "\" is not a MIDI note (0-127 or a name like C4, F#3)");
    std::string rest;
    if (!parseSeconds(whole.substr(at + 1), span.startSeconds, rest) || rest.empty() ||
        rest[0] != '-' || !parseSeconds(rest.substr(1), span.endSeconds, rest) || !rest.empty())
        throw std::invalid_argument(expected);
    if (span.startSeconds < 0.0 || span.endSeconds <= span.startSeconds)
        throw std::invalid_argument("note \"" + whole + "\" must start at 0 s or later and end after it starts");
    return span;
}

std::vector<TimedMidiEvent> noteEvents(const NoteSpan& span) {
    const auto note = static_cast<uint8_t>(span.note);
    return {
        {span.startSeconds, {0x90, note, kNoteVelocity}, 3},
        {span.endSeconds, {0x80, note, 0}, 3},
    };
}
