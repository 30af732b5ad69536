#include "tests/tools/CommandFiles.h"

#include <fcntl.h>
#include <sndfile.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

int CommandResult::errLines() const { return static_cast<int>(std::count(err.begin(), err.end(), '\n')); }

static std::string readTextFile(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

static std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (std::string& s : strings) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

void ScratchDir::SetUp() {
    dir_ = std::filesystem::path(testing::TempDir()) /
           (std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
}

CommandResult ScratchDir::run(const std::string& program, std::vector<std::string> args,
                              const std::vector<std::pair<std::string, std::string>>& env) const {
    const std::string outPath = path("stdout.txt"), errPath = path("stderr.txt");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, dir_.c_str());
    std::vector<std::string> envStrings;
    args.insert(args.begin(), program);
    for (char** e = environ; *e; ++e) envStrings.emplace_back(*e);
    for (const auto& [name, value] : env) envStrings.push_back(name + "=" + value);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, pointers(args).data(),
                                    pointers(envStrings).data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot run " + program);
    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, WIFSIGNALED(status) ? WTERMSIG(status) : 0,
            readTextFile(outPath), readTextFile(errPath)};
}

std::vector<std::string> ScratchDir::files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
        const std::string name = entry.path().filename().string();
        if (name != "stdout.txt" && name != "stderr.txt") names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

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
