// Small audio files for the render host's tests, written and read back
// through libsndfile.
#pragma once

#include <string>
#include <vector>

struct AudioData {
    int channels = 0;
    int sampleRate = 0;
    std::vector<float> samples;  // interleaved
    size_t frames() const { return channels ? samples.size() / channels : 0; }
    float at(size_t frame, int channel) const { return samples[frame * channels + channel]; }
};

// `format` is a libsndfile subtype such as SF_FORMAT_PCM_16 or SF_FORMAT_FLOAT.
void writeWav(const std::string& path, const AudioData& audio, int format);
AudioData readAudio(const std::string& path);

// A repeatable signal of `frames` frames within ±0.9, different on each
// channel. (Integer files read back a hair off: compare with what was read.)
AudioData testSignal(int channels, int sampleRate, size_t frames);
