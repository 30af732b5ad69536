// Audio files through libsndfile: any file it reads, mono or stereo, comes
// out as two channels (mono spread to both); renders are written as stereo
// files of the kinds AudioFormat names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <sndfile.h>

#include "tools/cli/OutputFile.h"
#include "tools/render/AudioFormat.h"

class SoundFileReader {
public:
    // Throws RenderError when the file cannot be read or has more than two channels.
    explicit SoundFileReader(const std::string& path);
    ~SoundFileReader();
    SoundFileReader(const SoundFileReader&) = delete;
    SoundFileReader& operator=(const SoundFileReader&) = delete;

    int sampleRate() const { return info_.samplerate; }
    int channels() const { return info_.channels; }
    int64_t frames() const { return info_.frames; }

    // Reads up to `frames` frames into the two channels; the rest of the
    // block, past the end of the file, is silence. Answers the frames read.
    int read(float* left, float* right, int frames);

private:
    SNDFILE* file_ = nullptr;
    SF_INFO info_{};
    std::vector<float> interleaved_;
};

class SoundFileWriter {
public:
    // Writes into the output's temporary file; throws RenderError when it
    // cannot be opened.
    SoundFileWriter(const cli::OutputFile& output, int sampleRate, AudioFormat format);
    ~SoundFileWriter();
    SoundFileWriter(const SoundFileWriter&) = delete;
    SoundFileWriter& operator=(const SoundFileWriter&) = delete;

    void write(const float* left, const float* right, int frames);
    // Finishes the file, header included, ready for the output's commit();
    // throws RenderError when the data did not all reach it.
    void close();

private:
    const cli::OutputFile& output_;
    AudioFormat format_;
    SNDFILE* file_ = nullptr;
    std::vector<float> interleaved_;
};
