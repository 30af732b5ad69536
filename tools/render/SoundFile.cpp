#include "tools/render/SoundFile.h"

#include <algorithm>

#include "tools/render/RenderError.h"

namespace {

// Rates outside this range are a damaged header rather than audio.
constexpr int kLowestRate = 1000;
constexpr int kHighestRate = 768000;

}  // namespace

SoundFileReader::SoundFileReader(const std::string& path) {
    file_ = sf_open(path.c_str(), SFM_READ, &info_);
    if (!file_)
        throw RenderError("cannot read " + path + ": " + sf_strerror(nullptr));
    if (info_.channels < 1 || info_.channels > 2) {
        sf_close(file_);
        throw RenderError(path + " has " + std::to_string(info_.channels) +
                          " channels; only mono and stereo files are rendered");
    }
    if (info_.samplerate < kLowestRate || info_.samplerate > kHighestRate) {
        sf_close(file_);
        throw RenderError(path + " has an unsupported sample rate of " +
                          std::to_string(info_.samplerate) + " Hz");
    }
}

SoundFileReader::~SoundFileReader() { sf_close(file_); }

int SoundFileReader::read(float* left, float* right, int frames) {
    interleaved_.resize(static_cast<size_t>(frames) * info_.channels);
    const auto got = static_cast<int>(sf_readf_float(file_, interleaved_.data(), frames));
    for (int i = 0; i < got; ++i) {
        left[i] = interleaved_[static_cast<size_t>(i) * info_.channels];
        right[i] = interleaved_[static_cast<size_t>(i) * info_.channels + info_.channels - 1];
    }
    std::fill(left + got, left + frames, 0.0f);
    std::fill(right + got, right + frames, 0.0f);
    return got;
}

SoundFileWriter::SoundFileWriter(const std::string& path, int sampleRate) : path_(path) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    file_ = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file_) throw RenderError("cannot write " + path + ": " + sf_strerror(nullptr));
}

SoundFileWriter::~SoundFileWriter() {
    if (file_) sf_close(file_);
}

void SoundFileWriter::write(const float* left, const float* right, int frames) {
    interleaved_.resize(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        interleaved_[2 * static_cast<size_t>(i)] = left[i];
        interleaved_[2 * static_cast<size_t>(i) + 1] = right[i];
    }
    if (sf_writef_float(file_, interleaved_.data(), frames) != frames)
        throw RenderError("cannot write " + path_ + ": " + sf_strerror(file_));
}

void SoundFileWriter::close() {
    SNDFILE* file = file_;
    file_ = nullptr;
    if (sf_close(file) != 0) throw RenderError("cannot finish " + path_);
}
