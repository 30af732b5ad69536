// A PNG picture of a render: the input's two channels above the output's,
// each drawn as its outline, with a line at every bar of the host's tempo
// so that tempo-synchronised repeats can be seen against the grid.
#pragma once

#include <cstdint>
#include <string>

#include "tools/cli/OutputFile.h"
#include "tools/render/WaveEnvelope.h"

struct PlotLayout {
    static constexpr int kWidth = 1200;
    static constexpr int kLaneHeight = 120;
    static constexpr int kMargin = 40;  // left, for the lane names
    static constexpr int columns() { return kWidth - kMargin; }
};

struct PlotContent {
    const WaveEnvelope* lanes[4];  // input left, input right, output left, output right
    int64_t totalFrames;
    double sampleRate;
    double tempo;
    std::string title;
};

// Writes the picture into the output's temporary file; throws RenderError
// when it cannot.
void writeWaveformPlot(const cli::OutputFile& output, const PlotContent& content);
