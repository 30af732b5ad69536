#include "tests/tools/WavFiles.h"

#include <sndfile.h>

#include <cmath>
#include <stdexcept>

void writeWav(const std::string& path, const AudioData& audio, int format) {
    SF_INFO info{};
    info.channels = audio.channels;
    info.samplerate = audio.sampleRate;
    info.format = SF_FORMAT_WAV | format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw std::runtime_error("cannot write " + path);
    sf_writef_float(file, audio.samples.data(), static_cast<sf_count_t>(audio.frames()));
    sf_close(file);
}

AudioData readAudio(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) throw std::runtime_error("cannot read " + path);
    AudioData audio{info.channels, info.samplerate,
                    std::vector<float>(static_cast<size_t>(info.frames * info.channels))};
    sf_readf_float(file, audio.samples.data(), info.frames);
    sf_close(file);
    return audio;
}

AudioData testSignal(int channels, int sampleRate, size_t frames) {
    AudioData audio{channels, sampleRate, std::vector<float>(frames * channels)};
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            audio.samples[i * channels + c] =
                static_cast<float>(0.9 * std::sin(0.01 * static_cast<double>(i) * (c + 1) + c));
    return audio;
}
