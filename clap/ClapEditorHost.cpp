#include "clap/ClapEditorHost.h"

#include <cstdio>

#include "clap/ClapPlugin.h"
#include "clap/ParamShapes.h"
#include "params/ParameterTable.h"
#include "params/ParameterIds.h"

float ClapEditorHost::parameterValue(int index) const { return plugin_.core().getParameter(index); }

void ClapEditorHost::parameterText(int index, char* display, char* label) {
    char text[kTextSize] = {};
    plugin_.core().parameterDisplay(index, text);
    std::snprintf(display, kTextSize, "%s", text);
    plugin_.core().parameterLabel(index, text);
    std::snprintf(label, kTextSize, "%s", text);
}

EditorHost::Timing ClapEditorHost::hostTiming() {
    Timing timing;
    if (const EngineClock* clock = plugin_.lastClock()) {
        timing.tempo = clock->tempo;
        timing.sampleRate = clock->sampleRate;
    }
    return timing;
}

// Only the 41 parameters are the host's; the window's own tags are not.
void ClapEditorHost::beginGesture(int index) {
    if (isParameter(index)) plugin_.tellHost({EditorEvent::kBegin, static_cast<uint16_t>(index), 0.0});
}

void ClapEditorHost::changeParameter(int index, float value) {
    if (!isParameter(index)) return;
    plugin_.applyEdit(index, value);
    plugin_.tellHost({EditorEvent::kValue, static_cast<uint16_t>(index), clapValueOf(index, value)});
}

void ClapEditorHost::endGesture(int index) {
    if (isParameter(index)) plugin_.tellHost({EditorEvent::kEnd, static_cast<uint16_t>(index), 0.0});
}

// The commands act on the core as a parameter write of their index does.
void ClapEditorHost::runCommand(int command, float value) { plugin_.core().setParameter(command, value); }
