// The plug-in's LV2 ports, by index. The 41 parameters come first, so a
// parameter's port index is its parameter index; the engine's three status
// values follow, then audio and the two event ports. The bundle's description,
// the DSP binary and the user interface all read this one layout.
#pragma once

#include "params/ParameterIds.h"

namespace lv2_ports {

constexpr int kFirstStatus = kNumParams;  // 41: play position, record position, recorded length
constexpr int kNumStatus = 3;
constexpr int kAudioInLeft = kFirstStatus + kNumStatus;  // 44
constexpr int kAudioInRight = kAudioInLeft + 1;
constexpr int kAudioOutLeft = kAudioInRight + 1;
constexpr int kAudioOutRight = kAudioOutLeft + 1;
// Events in: MIDI, the host's time:Position and the editor's commands.
constexpr int kControl = kAudioOutRight + 1;  // 48
// Events out: what the plug-in changed by itself, for the editor.
constexpr int kNotify = kControl + 1;
// Events in: the host's time:Position alone. Ardour sends its position only
// into an event input that takes no MIDI (the MIDI input of an effect on an
// audio track is left unconnected); other hosts send it to either.
constexpr int kTime = kNotify + 1;
constexpr int kNumPorts = kTime + 1;  // 51

// The status value a status port carries.
constexpr int statusIdOfPort(int port) { return kStatusPlayPos + (port - kFirstStatus); }
constexpr bool isStatusPort(int port) { return port >= kFirstStatus && port < kFirstStatus + kNumStatus; }

}  // namespace lv2_ports
