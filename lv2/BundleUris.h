// The addresses the bundle gives the plug-in, its presets, its editor and the
// messages between them. They are names of our own under urn:zarvoline:, not
// locations anyone serves.
#pragma once

#define ZARVOLINE_LV2_URI "urn:zarvoline:stutter"
#define ZARVOLINE_LV2_UI_URI ZARVOLINE_LV2_URI ":ui"
#define ZARVOLINE_LV2_PRESET_PREFIX ZARVOLINE_LV2_URI ":preset:"
#define ZARVOLINE_LV2_STATE_PREFIX ZARVOLINE_LV2_URI ":state:"

// The files of the bundle, as the description names them.
#define ZARVOLINE_LV2_DSP_BINARY "zarvoline_dsp.so"
#define ZARVOLINE_LV2_UI_BINARY "zarvoline_ui.so"

// Messages between the editor and the DSP, as atom objects on the event ports.
// Editor to DSP: a command of the editor (offset and length operations, MIDI
// learn and the MIDI menu, tempo entry): setParameter(index, value) with an
// index of the commands' range.
#define ZARVOLINE_LV2_MSG_COMMAND ZARVOLINE_LV2_URI ":msg:Command"
// Editor to DSP: send every value, the editor has just opened.
#define ZARVOLINE_LV2_MSG_SEND_ALL ZARVOLINE_LV2_URI ":msg:SendAll"
// DSP to editor: a parameter value the plug-in now has, or a command index
// it acted on (as the VST 2 editor hears of them).
#define ZARVOLINE_LV2_MSG_VALUE ZARVOLINE_LV2_URI ":msg:Value"
// DSP to editor: a level the engine measured, with where the loop stood then
// and the filter's cutoff as it plays (value, playPosition, recordPosition,
// recordedLength, cutoff).
#define ZARVOLINE_LV2_MSG_LEVEL ZARVOLINE_LV2_URI ":msg:Level"
// DSP to editor: the host's tempo and sample rate (tempo, sampleRate; 0 unknown).
#define ZARVOLINE_LV2_MSG_TIMING ZARVOLINE_LV2_URI ":msg:Timing"
// The properties of those objects: an atom:Int index, atom:Float numbers.
#define ZARVOLINE_LV2_MSG_INDEX ZARVOLINE_LV2_URI ":msg:index"
#define ZARVOLINE_LV2_MSG_NUMBER ZARVOLINE_LV2_URI ":msg:value"
#define ZARVOLINE_LV2_MSG_PLAY_POSITION ZARVOLINE_LV2_URI ":msg:playPosition"
#define ZARVOLINE_LV2_MSG_RECORD_POSITION ZARVOLINE_LV2_URI ":msg:recordPosition"
#define ZARVOLINE_LV2_MSG_RECORDED_LENGTH ZARVOLINE_LV2_URI ":msg:recordedLength"
#define ZARVOLINE_LV2_MSG_CUTOFF ZARVOLINE_LV2_URI ":msg:cutoff"
#define ZARVOLINE_LV2_MSG_TEMPO ZARVOLINE_LV2_URI ":msg:tempo"
#define ZARVOLINE_LV2_MSG_SAMPLE_RATE ZARVOLINE_LV2_URI ":msg:sampleRate"

// The state the ports cannot hold (programs, names, MIDI maps), as one chunk.
#define ZARVOLINE_LV2_STATE_CORE ZARVOLINE_LV2_STATE_PREFIX "core"
// A factory preset's program number (an atom:Int): loading the preset writes
// the factory program into its slot and selects it, as choosing that program
// does in the VST 2 version; the preset's port values are that program's.
#define ZARVOLINE_LV2_STATE_FACTORY_PROGRAM ZARVOLINE_LV2_STATE_PREFIX "factoryProgram"
