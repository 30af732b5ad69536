// The built programs as a user runs them, and the small audio files they
// read and write (through libsndfile).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

struct CommandResult {
    int exitStatus = -1;  // -1 when it did not exit normally
    int signal = 0;       // the signal that ended it, if one did
    std::string out;
    std::string err;
    int errLines() const;
};

// A test with a fresh directory of its own, removed afterwards.
class ScratchDir : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    // Runs `program` in the directory with `args` and extra `env`, its output captured there.
    CommandResult run(const std::string& program, std::vector<std::string> args,
                      const std::vector<std::pair<std::string, std::string>>& env = {}) const;
    // The names in the directory, sorted, without the captured output.
    std::vector<std::string> files() const;

    std::filesystem::path dir_;
};

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
