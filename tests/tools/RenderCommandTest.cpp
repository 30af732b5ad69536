// zarvoline-render end to end: the built program on small generated files,
// with Zarvoline (the default program keeps it dry) or with the probe
// plug-in, which reports what the host gave it.
#include <gtest/gtest.h>

#include <sndfile.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/tools/CommandRunner.h"
#include "tests/tools/SmfBuilder.h"
#include "tests/tools/WavFiles.h"

namespace fs = std::filesystem;

namespace {

class RenderCommand : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(testing::TempDir()) /
               ("render-" + std::string(test->name()) + "-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    CommandResult render(std::vector<std::string> args) const {
        return runCommand(ZARVOLINE_RENDER_PATH, args, dir_.string());
    }
    // Renders through the probe; its log lines come back in `log`.
    CommandResult probe(std::vector<std::string> args, std::vector<std::string>& log) const {
        args.insert(args.begin(), {"--plugin", ZARVOLINE_PROBE_PATH});
        const CommandResult result =
            runCommand(ZARVOLINE_RENDER_PATH, args, dir_.string(), {{"ZARVOLINE_PROBE_LOG", path("probe.log")}});
        std::ifstream in(path("probe.log"));
        log.clear();
        for (std::string line; std::getline(in, line);) log.push_back(line);
        return result;
    }

    fs::path dir_;
};

std::vector<std::string> linesStartingWith(const std::vector<std::string>& log, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& line : log)
        if (line.rfind(prefix, 0) == 0) found.push_back(line);
    return found;
}

}  // namespace

TEST_F(RenderCommand, DryProgramGivesTheInputBackSpreadToStereoAtTheFilesRate) {
    // Program 0 leaves Record off, so Zarvoline passes the input through as it is.
    writeWav(path("mono.wav"), testSignal(1, 22050, 30000), SF_FORMAT_PCM_16);
    const AudioData mono = readAudio(path("mono.wav"));
    for (const char* block : {"1", "64", "512"}) {
        const CommandResult result = render({"--program", "0", "--block", block, "--tail", "0.5",
                                             path("mono.wav"), path("out.wav")});
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_EQ(result.err, "");  // no progress bar when standard error is not a terminal
        EXPECT_NE(result.out.find("41025 frames"), std::string::npos) << result.out;

        const AudioData out = readAudio(path("out.wav"));
        EXPECT_EQ(out.channels, 2);
        EXPECT_EQ(out.sampleRate, 22050);
        ASSERT_EQ(out.frames(), 30000u + 11025u);
        bool same = true;
        for (size_t i = 0; i < out.frames(); ++i) {
            const float expected = i < mono.frames() ? mono.at(i, 0) : 0.0f;
            same = same && out.at(i, 0) == expected && out.at(i, 1) == expected;
        }
        EXPECT_TRUE(same) << "block " << block;
    }
}

TEST_F(RenderCommand, HostOrderTimeInformationAndEventsReachThePlugin) {
    writeWav(path("in.wav"), testSignal(2, 8000, 1100), SF_FORMAT_FLOAT);
    std::vector<std::string> log;
    // At 8000 Hz: frames 64 and 512 (block boundaries), 100 and 1000 (inside blocks).
    const CommandResult result =
        probe({"--block", "64", "--tempo", "150", "--program", "Loud", "--set", "Drive=0.25", "--set", "0=1",
               "--note", "60@0.008-0.0125", "--note", "C6@0.064-0.125", path("in.wav"), path("out.wav")},
              log);
    ASSERT_EQ(result.exitStatus, 0) << result.err;

    const std::vector<std::string> setup(log.begin(), log.begin() + 8);
    EXPECT_EQ(setup, (std::vector<std::string>{"open", "rate 8000.0", "block 64", "program 1", "param 1 0.250000",
                                               "param 0 1.000000", "mains 1", "start"}));
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()), (std::vector<std::string>{"stop", "mains 0", "close"}));

    // 1100 frames in blocks of 64: 17 full blocks and one of 12; the transport
    // plays from 0, at 150 BPM a quarter note is 3200 frames, a bar 12800.
    const auto blocks = linesStartingWith(log, "process");
    ASSERT_EQ(blocks.size(), 18u);
    EXPECT_EQ(blocks[0], "process 64 0 0.000000000 0.000000000 150.000 8000.0 11778");
    EXPECT_EQ(blocks[5], "process 64 320 0.100000000 0.000000000 150.000 8000.0 11778");
    EXPECT_EQ(blocks[17], "process 12 1088 0.340000000 0.000000000 150.000 8000.0 11778");

    // Each event follows the process line of its block, read back while that block ran.
    const auto at = [&](const std::string& line) { return std::find(log.begin(), log.end(), line) - log.begin(); };
    EXPECT_EQ(at("event 0 144 60 100 32 1"), at("process 64 64 0.020000000 0.000000000 150.000 8000.0 11778") + 1);
    EXPECT_EQ(at("event 36 128 60 0 32 1"), at("process 64 64 0.020000000 0.000000000 150.000 8000.0 11778") + 2);
    EXPECT_EQ(at("event 0 144 72 100 32 1"), at("process 64 512 0.160000000 0.000000000 150.000 8000.0 11778") + 1);
    EXPECT_EQ(at("event 40 128 72 0 32 1"), at("process 64 960 0.300000000 0.000000000 150.000 8000.0 11778") + 1);
    EXPECT_EQ(linesStartingWith(log, "events").size(), 3u);
}

TEST_F(RenderCommand, MidiFileEventsArriveAtTheirFramesForEveryBlockSize) {
    writeWav(path("in.wav"), testSignal(1, 8000, 8000), SF_FORMAT_PCM_16);
    // 96 ticks per quarter; 120 BPM, then 60 BPM from tick 96 (0.5 s).
    const Bytes smf = concat({smfHeader(1, 2, 96), TrackBuilder().tempo(96, 1000000).end().chunk(),
                              TrackBuilder().at(48, {0x90, 64, 80}).at(48, {0x80, 64, 0}).at(24, {0xB0, 1, 5}).end().chunk()});
    std::ofstream(path("song.mid"), std::ios::binary).write(reinterpret_cast<const char*>(smf.data()), static_cast<long>(smf.size()));
    const std::vector<int64_t> expected{2000, 4000, 6000};  // 0.25 s, 0.5 s, 0.75 s

    for (int block : {1, 64, 512}) {
        std::vector<std::string> log;
        const CommandResult result =
            probe({"--block", std::to_string(block), "--midi", path("song.mid"), path("in.wav"), path("out.wav")}, log);
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        std::vector<int64_t> frames;
        int64_t blockStart = 0;
        for (const std::string& line : log) {
            long long position = 0, delta = 0;
            if (std::sscanf(line.c_str(), "process %*d %lld", &position) == 1) blockStart = position;
            if (std::sscanf(line.c_str(), "event %lld", &delta) == 1) frames.push_back(blockStart + delta);
        }
        EXPECT_EQ(frames, expected) << "block " << block;
        EXPECT_NE(result.out.find("3 of 3 MIDI events"), std::string::npos) << result.out;
    }
}

TEST_F(RenderCommand, EveryErrorIsOneLineAndANonZeroExit) {
    const AudioData stereo = testSignal(2, 44100, 100);
    writeWav(path("in.wav"), stereo, SF_FORMAT_FLOAT);
    writeWav(path("three.wav"), testSignal(3, 44100, 100), SF_FORMAT_FLOAT);
    std::ofstream(path("text.wav")) << "not audio\n";
    std::ofstream(path("bad.mid")) << "MThd";
    fs::create_symlink(path("in.wav"), path("link.wav"));
    fs::create_directories(path("sub"));
    const std::string in = path("in.wav"), out = path("out.wav");

    const std::vector<std::vector<std::string>> cases{
        {path("missing.wav"), out},
        {path("text.wav"), out},
        {path("three.wav"), out},
        {"--plugin", path("nothing.so"), in, out},
        {"--plugin", path("text.wav"), in, out},
        {"--program", "No Such Program", in, out},
        {"--program", "16", in, out},
        {"--set", "No Such Knob=0.5", in, out},
        {"--set", "41=0.5", in, out},
        {"--set", "Mix=1.5", in, out},
        {"--set", "Mix=-0.1", in, out},
        {"--set", "Mix=loud", in, out},
        {"--set", "Mix=nan", in, out},
        {"--set", "Mix", in, out},
        {"--tempo", "0", in, out},
        {"--block", "0", in, out},
        {"--block", "1.5", in, out},
        {"--tail", "-1", in, out},
        {"--note", "C5@2-1", in, out},
        {"--midi", path("bad.mid"), in, out},
        {"--midi", path("missing.mid"), in, out},
        {"--frobnicate", in, out},
        {"--tempo"},
        {in},
        {in, out, path("third.wav")},
        {in, in},
        {in, path("sub/../in.wav")},
        {in, path("link.wav")},
        {"--plot", in, in, out},
    };
    for (const auto& args : cases) {
        const CommandResult result = render(args);
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        EXPECT_NE(result.exitStatus, 0) << shown;
        EXPECT_EQ(result.errLines(), 1) << shown << "\n" << result.err;
        EXPECT_EQ(result.err.rfind("zarvoline-render: ", 0), 0u) << result.err;
        EXPECT_FALSE(fs::exists(out)) << shown;  // nothing half-written is left behind
    }
    EXPECT_EQ(readAudio(in).samples, stereo.samples);  // the input was never touched
}

TEST_F(RenderCommand, PlotInfoAndHelp) {
    writeWav(path("in.wav"), testSignal(2, 44100, 50000), SF_FORMAT_FLOAT);
    const CommandResult result = render({"--plot", path("wave.png"), "--program", "Studder", "--set", "Mix=0",
                                         path("in.wav"), path("out.wav")});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    std::ifstream png(path("wave.png"), std::ios::binary);
    char signature[8] = {};
    png.read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_NE(result.out.find("wave.png"), std::string::npos);
    EXPECT_NE(result.out.find("peak"), std::string::npos);

    const CommandResult info = render({"--info"});
    EXPECT_EQ(info.exitStatus, 0);
    EXPECT_NE(info.out.find("Studder"), std::string::npos);
    const CommandResult help = render({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("--note"), std::string::npos);
}
