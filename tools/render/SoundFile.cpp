#include "tools/render/SoundFile.h"

#include <algorithm>

#include "tools/render/RenderError.h"
#include "tools/render/WaveHeader.h"

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

SoundFileWriter::SoundFileWriter(const cli::OutputFile& output, int sampleRate, AudioFormat format)
    : output_(output), format_(format) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 2;
    info.format = sndfileFormat(format);
    file_ = sf_open(output.writingPath().c_str(), SFM_WRITE, &info);
    if (!file_) throw RenderError("cannot write " + output.path() + ": " + sf_strerror(nullptr));
    // Integer formats stop at full scale instead of wrapping around.
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    // Left and right, for readers that want to be told (AIFF's CHAN chunk, WAV's channel mask).
    int channelMap[2] = {SF_CHANNEL_MAP_LEFT, SF_CHANNEL_MAP_RIGHT};
    sf_command(file_, SFC_SET_CHANNEL_MAP_INFO, channelMap, sizeof channelMap);
    // The room the peak chunk would take becomes padding that the WAV header needs.
    sf_command(file_, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
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
        throw RenderError("cannot write " + output_.path() + ": " + sf_strerror(file_));
}

void SoundFileWriter::close() {
    SNDFILE* file = file_;
    file_ = nullptr;
    if (sf_close(file) != 0 || (format_ == AudioFormat::Wav && !addFloatExtensionSize(output_.writingPath())))
        throw RenderError("cannot finish " + output_.path());
}
