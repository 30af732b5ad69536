#include "tools/render/WaveEnvelope.h"

#include <algorithm>
#include <cmath>

WaveEnvelope::WaveEnvelope(int columns, int64_t totalFrames)
    : totalFrames_(std::max<int64_t>(totalFrames, 1)),
      low_(static_cast<size_t>(columns), INFINITY),
      high_(static_cast<size_t>(columns), -INFINITY) {}

void WaveEnvelope::add(int64_t start, const float* samples, int frames) {
    const auto columns = static_cast<int64_t>(low_.size());
    for (int i = 0; i < frames; ++i) {
        const int64_t column = std::min((start + i) * columns / totalFrames_, columns - 1);
        const float sample = std::isfinite(samples[i]) ? samples[i] : 0.0f;
        low_[column] = std::min(low_[column], sample);
        high_[column] = std::max(high_[column], sample);
    }
}
