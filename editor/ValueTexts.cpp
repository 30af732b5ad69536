#include "editor/ValueTexts.h"

#include <cstdio>

#include "editor/DisplayContext.h"
#include "editor/TimingText.h"
#include "engine/Timing.h"

namespace {

// ValueDisplay hands its converters room for 256 characters.
constexpr std::size_t kTextSize = 256;

}  // namespace

void samplesText(float value, char* text, void* /*userData*/) {
    std::snprintf(text, kTextSize, "%1.0f", value);
}

void millisecondsText(float value, char* text, void* /*userData*/) {
    std::snprintf(text, kTextSize, "%1.2f", value * 0.022675738f);
}

void lengthText(float value, char* text, void* userData) {
    const DisplayContext fallback;
    const DisplayContext& display =
        userData ? *static_cast<const DisplayContext*>(userData) : fallback;
    if (value > samplesPerDivision(64, display.sampleRate, display.tempo)) {
        formatBarPosition(value, display.sampleRate, display.tempo, text, kTextSize);
    } else if (value > 1.0f) {
        formatNoteName(frequencyToNote(display.sampleRate / value), true, text, kTextSize);
    } else {
        std::snprintf(text, kTextSize, "h");
    }
}
