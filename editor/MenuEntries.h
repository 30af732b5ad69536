// The entries of the window's option menus, in the order of the values they
// report: a parameter's menu index, or a command's action number.
#pragma once

#include <array>
#include <span>

class OptionMenu;

namespace menu_entries {

inline constexpr std::array recSync{"Rec Sync", "1 Bar 1/1", "Half Bar 1/2", "1/4",  "1/8",
                                    "3/2",      "1/16",      "1/32",         "1/64", "1/128"};
inline constexpr std::array lengthOp{"1 Bar",          "Divide by 2", "Times 2",
                                     "Same as Offset", "Triplets",    "16 Triplets"};
inline constexpr std::array lengthQuant{"Free", "1/8", "1/16", "1/32", "1/64"};
inline constexpr std::array offsetOp{"Same as Length", "Divide by 2", "Length / 16", "* -1",
                                     "Downsample (Length*Repeats)", "Zero reset"};
inline constexpr std::array recOffset{"Rec Offset",   "1/16", "1/8",  "1/4",
                                      "1/16 shuffle", "1 ms", "2 ms", "10 ms"};
inline constexpr std::array midiActions{"MIDI Knobs default", "MIDI Knobs clear",
                                        "Randomize Knobs",    "MIDI Preset learn",
                                        "MIDI Preset clear",  "MIDI Preset auto learn C4-C6"};
inline constexpr std::array pitchMode{"Off", "Transpose"};
inline constexpr std::array filterSpeedSync{"Free",    "Length",  "1 Bar",   "1/2 Bar",
                                            "1/4 th",  "1/8 th",  "1/16 th", "1/32 th"};
inline constexpr std::array filterSpeedRestart{"Free (Off)", "Length Restart", "1 Bar", "1/2 Bar",
                                               "1/4 th",     "1/8 th",         "1/16 th"};
inline constexpr std::array filterSpeedType{"Down", "Up"};
// One entry per design, in the order of the designs' steps.
inline constexpr std::array filterType{"Off", "LPF", "HPF", "BPF", "NTC", "PEQ", "LSH", "HSH"};
inline constexpr std::array modulatorMode{"Off",           "Sin",           "Tan",   "Octavs",
                                          "Major Arpegio", "Minor Arpegio", "Melody"};

// The filter menu's sub-menus, by title, in the order they are shown.
inline constexpr std::array filterSubMenuTitles{"LFO Type", "SPD Dir", "SPD Update", "SPD Restart"};

}  // namespace menu_entries

// Appends the entries to the menu, in order.
void addEntries(OptionMenu& menu, std::span<const char* const> entries);
