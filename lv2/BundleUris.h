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
