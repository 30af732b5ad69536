// One stereo input and one stereo output, which may be the same buffers, and
// one note input taking CLAP notes and MIDI (controllers, learn, notes).
#include <cstdio>
#include <cstring>

#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"

namespace {

uint32_t audioPortCount(const clap_plugin_t* p, bool) {
    ClapPlugin::of(p).threads().mainThread("audio_ports.count");
    return 1;
}

bool audioPort(const clap_plugin_t* p, uint32_t index, bool isInput, clap_audio_port_info_t* info) {
    ClapPlugin::of(p).threads().mainThread("audio_ports.get");
    if (index != 0 || info == nullptr) return false;
    std::memset(info, 0, sizeof *info);
    info->id = 0;
    std::snprintf(info->name, sizeof info->name, "%s", isInput ? "Input" : "Output");
    info->flags = CLAP_AUDIO_PORT_IS_MAIN;
    info->channel_count = 2;
    info->port_type = CLAP_PORT_STEREO;
    info->in_place_pair = 0;  // the port of the same id on the other side
    return true;
}

uint32_t notePortCount(const clap_plugin_t* p, bool isInput) {
    ClapPlugin::of(p).threads().mainThread("note_ports.count");
    return isInput ? 1 : 0;
}

bool notePort(const clap_plugin_t* p, uint32_t index, bool isInput, clap_note_port_info_t* info) {
    ClapPlugin::of(p).threads().mainThread("note_ports.get");
    if (index != 0 || !isInput || info == nullptr) return false;
    std::memset(info, 0, sizeof *info);
    info->id = 0;
    info->supported_dialects = CLAP_NOTE_DIALECT_CLAP | CLAP_NOTE_DIALECT_MIDI;
    info->preferred_dialect = CLAP_NOTE_DIALECT_MIDI;
    std::snprintf(info->name, sizeof info->name, "%s", "MIDI In");
    return true;
}

}  // namespace

const clap_plugin_audio_ports_t kAudioPortsExtension = {audioPortCount, audioPort};
const clap_plugin_note_ports_t kNotePortsExtension = {notePortCount, notePort};
