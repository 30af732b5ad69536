// The instance's state as hosts store it in a session: every program's values
// and name, the current program and the two MIDI maps, as a byte stream of
// our own layout that later versions of the plug-in can still read.
//
// Layout, every number little-endian whatever the machine:
//   offset  size  field
//        0     4  magic "ZRVS"
//        4     4  version (uint32), 1 for this layout
//        8     4  length of the whole stream in bytes (uint32), checksum included
//       12     4  number of programs (uint32), 16
//       16     4  values per program (uint32), 41
//       20  3008  16 programs, each 41 IEEE-754 single floats (by parameter
//                 index) then its name in 24 bytes, zero-terminated and zero-padded
//     3028     4  current program (int32)
//     3032   512  controller map: 128 int32, parameter index or -1
//     3544   512  note-to-program map: 128 int32, program index or -1
//     4056     4  CRC-32 (IEEE, as zlib computes it) of every byte before it
// A later layout gets a higher version number; a reader takes the versions it
// knows and refuses any other, so a stream written by a newer plug-in is never
// half understood.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "midi/MidiMaps.h"
#include "params/ParameterIds.h"
#include "params/ProgramRecord.h"

struct PluginState {
    float values[kNumPrograms][kNumParams];
    char names[kNumPrograms][kProgramNameSize];
    int32_t currentProgram;
    int32_t controllerMap[MidiMaps::kSize];   // parameter index, or MidiMaps::kUnbound
    int32_t noteProgramMap[MidiMaps::kSize];  // program index, or MidiMaps::kUnbound
};

constexpr uint32_t kStateVersion = 1;
constexpr size_t kStateStreamSize = 4060;

// Always a stream readState accepts: what no instance can act on is written
// as the nearest thing it can (a NaN as the parameter's fresh value, a map
// entry naming no parameter or program as unbound, a program outside 0 to 15
// as 0, a name without its terminator cut to 23 characters).
std::vector<uint8_t> writeState(const PluginState& state);

// Fills state from a whole stream of a version we read and answers true; a
// stream that is truncated, too long, of another version, damaged or holding
// values no instance can hold (NaN, a program, parameter or map entry out of
// range) is refused with false and state left exactly as it was.
bool readState(const uint8_t* data, size_t size, PluginState& state);
