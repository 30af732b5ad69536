// The outline of a waveform at picture resolution: for each column of the
// picture the lowest and highest sample that falls into it. Filled block by
// block while the render runs, so the audio never has to be kept whole.
#pragma once

#include <cstdint>
#include <vector>

class WaveEnvelope {
public:
    WaveEnvelope(int columns, int64_t totalFrames);

    void add(int64_t start, const float* samples, int frames);

    int columns() const { return static_cast<int>(low_.size()); }
    bool hasData(int column) const { return low_[column] <= high_[column]; }
    float low(int column) const { return low_[column]; }
    float high(int column) const { return high_[column]; }

private:
    int64_t totalFrames_;
    std::vector<float> low_;
    std::vector<float> high_;
};
