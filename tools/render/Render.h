// A whole render from checked options: input, plug-in, MIDI, output,
// picture and summary. Throws RenderError (or MidiFileError) with a
// one-line reason; the output and the picture appear under their names
// only when both are whole.
#pragma once

#include "tools/render/RenderOptions.h"

void runRender(const RenderOptions& options);
