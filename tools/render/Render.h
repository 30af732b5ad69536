// A whole render from checked options: input, plug-in, MIDI, output,
// picture and summary. Throws RenderError (or MidiFileError) with a
// one-line reason, before the output is created whenever it can.
#pragma once

#include "tools/render/RenderOptions.h"

void runRender(const RenderOptions& options);
