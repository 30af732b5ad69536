// The extension records the plug-in hands out, one file each.
#pragma once

#include <clap/ext/audio-ports.h>
#include <clap/ext/gui.h>
#include <clap/ext/note-ports.h>
#include <clap/ext/params.h>
#include <clap/ext/state.h>
#include <clap/ext/timer-support.h>

extern const clap_plugin_params_t kParamsExtension;
extern const clap_plugin_state_t kStateExtension;
extern const clap_plugin_audio_ports_t kAudioPortsExtension;
extern const clap_plugin_note_ports_t kNotePortsExtension;
extern const clap_plugin_gui_t kGuiExtension;
extern const clap_plugin_timer_support_t kTimerSupportExtension;
