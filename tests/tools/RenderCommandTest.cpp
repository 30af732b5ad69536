// zarvoline-render end to end: the built program on small generated files,
// with Zarvoline (the default program keeps it dry) or with the probe
// plug-in, which reports what the host gave it.
#include <gtest/gtest.h>

#include <sndfile.h>

#include <algorithm>
#include <csignal>
#include <cmath>
#include <fstream>

#include "tests/tools/CommandFiles.h"
#include "tests/tools/SmfBuilder.h"

namespace {

class RenderCommand : public ScratchDir {
protected:
    CommandResult render(std::vector<std::string> args) const { return run(ZARVOLINE_RENDER_PATH, args); }
    // Renders through the probe; its log lines come back in `log`.
    CommandResult probe(std::vector<std::string> args, std::vector<std::string>& log) const {
        args.insert(args.begin(), {"--plugin", ZARVOLINE_PROBE_PATH});
        const CommandResult result = run(ZARVOLINE_RENDER_PATH, args, {{"ZARVOLINE_PROBE_LOG", path("probe.log")}});
        std::ifstream in(path("probe.log"));
        log.clear();
        for (std::string line; std::getline(in, line);) log.push_back(line);
        return result;
    }
};

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

TEST_F(RenderCommand, WritesTheFormatItsOutputNameOrFormatOptionSays) {
    // Through the probe, which passes its input on: a quarter beyond full scale at the peaks.
    AudioData input = testSignal(2, 8000, 20000);
    for (float& sample : input.samples) sample *= 1.25f;
    writeWav(path("in.wav"), input, SF_FORMAT_FLOAT);
    struct Case {
        std::string output;
        std::vector<std::string> options;
        int sndfileFormat;
        double maxError;  // against the input, clipped at full scale where the format stops there
        bool clips;
    };
    const Case cases[] = {
        {"out.wav", {}, SF_FORMAT_WAVEX | SF_FORMAT_FLOAT, 0.0, false},
        {"out.flac", {}, SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 1e-6, true},
        {"out.aiff", {}, SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 1e-6, true},
        {"OUT.AIF", {}, SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 1e-6, true},
        {"out.ogg", {}, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 0.15, false},  // lossy: near, not the same
        {"out.audio", {"--format", "flac"}, SF_FORMAT_FLAC | SF_FORMAT_PCM_24, 1e-6, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        std::vector<std::string> log, args = c.options;
        args.insert(args.end(), {path("in.wav"), path(c.output)});
        ASSERT_EQ(probe(args, log).exitStatus, 0);
        SF_INFO info{};
        SNDFILE* file = sf_open(path(c.output).c_str(), SFM_READ, &info);
        ASSERT_TRUE(file);
        sf_close(file);
        EXPECT_EQ(info.format, c.sndfileFormat);
        const AudioData out = readAudio(path(c.output));
        EXPECT_EQ(out.sampleRate, 8000);
        ASSERT_EQ(out.samples.size(), input.samples.size());
        double maxError = 0.0;
        for (size_t i = 0; i < out.samples.size(); ++i) {
            const float expected = c.clips ? std::clamp(input.samples[i], -1.0f, 1.0f) : input.samples[i];
            maxError = std::max(maxError, std::fabs(double(out.samples[i]) - expected));
        }
        EXPECT_LE(maxError, c.maxError);
    }
    // sox and ffmpeg read the WAV without a warning: ffmpeg wants the
    // extensible form's channel mask (left and right), sox a two-byte
    // extension size after the float subformat.
    std::string header(48, '\0');
    std::ifstream(path("out.wav"), std::ios::binary).read(header.data(), 48);
    const auto at = [&](size_t offset) { return uint8_t(header[offset]) | uint8_t(header[offset + 1]) << 8; };
    EXPECT_EQ(header.substr(12, 4), "fmt ");
    EXPECT_EQ((std::vector<int>{at(16), at(20), at(36), at(40), at(44)}), (std::vector<int>{42, 0xFFFE, 24, 3, 3}));
}

TEST_F(RenderCommand, HostOrderTimeInformationAndEventsReachThePluginForEveryBlockSize) {
    writeWav(path("in.wav"), testSignal(2, 8000, 6010), SF_FORMAT_FLOAT);
    // 96 ticks per quarter; 120 BPM, then 60 BPM from tick 96 (0.5 s).
    const Bytes smf = concat({smfHeader(1, 2, 96), TrackBuilder().tempo(96, 1000000).end().chunk(),
                              TrackBuilder().at(48, {0x90, 64, 80}).at(48, {0x80, 64, 0}).at(24, {0xB0, 1, 5})
                                  .at(0, {0xB0, 7, 9}).end().chunk()});
    std::ofstream(path("song.mid"), std::ios::binary).write(reinterpret_cast<const char*>(smf.data()), static_cast<long>(smf.size()));
    // Frame, status, data and the record's size and type, in order. At 8000 Hz
    // the notes fall on frames 64 and 512 (first frames of blocks of 64 and
    // 512), 511 (last frames) and 1000; the file's at 0.25 s, 0.5 s and two at
    // 0.75 s, in the short last block.
    const std::vector<std::string> expectedEvents{
        "64 144 60 100 32 1", "511 128 60 0 32 1", "512 144 72 100 32 1", "1000 128 72 0 32 1",
        "2000 144 64 80 32 1", "4000 128 64 0 32 1", "6000 176 1 5 32 1", "6000 176 7 9 32 1"};
    for (int block : {1, 64, 512}) {
        SCOPED_TRACE(block);
        std::vector<std::string> log;
        const CommandResult result =
            probe({"--block", std::to_string(block), "--tempo", "150", "--program", "Loud", "--set", "Drive=0.25",
                   "--set", "0=1", "--note", "60@0.008-0.063875", "--note", "C6@0.064-0.125", "--midi", path("song.mid"),
                   path("in.wav"), path("out.wav")},
                  log);
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_NE(result.out.find("8 of 8 MIDI events"), std::string::npos) << result.out;
        const std::vector<std::string> setup(log.begin(), log.begin() + 8);
        EXPECT_EQ(setup, (std::vector<std::string>{"open", "rate 8000.0", "block " + std::to_string(block), "program 1",
                                                   "param 1 0.250000", "param 0 1.000000", "mains 1", "start"}));
        EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
                  (std::vector<std::string>{"stop", "mains 0", "close"}));

        // Each event as the probe read it back while its block ran, placed by that block's position.
        std::vector<std::string> blocks, events;
        for (const std::string& line : log) {
            long delta = 0;
            int bytes = 0;
            if (line.starts_with("process")) blocks.push_back(line);
            if (std::sscanf(line.c_str(), "event %ld %n", &delta, &bytes) == 1)
                events.push_back(std::to_string(long(blocks.size() - 1) * block + delta) + " " +
                                 line.substr(size_t(bytes)));
        }
        EXPECT_EQ(events, expectedEvents);
        // The transport plays from 0; at 150 BPM a quarter note is 3200 frames
        // and a bar 12800, so the bar start stays 0. The last block is short.
        const auto processLine = [](long frames, long start) {
            char line[96];
            std::snprintf(line, sizeof line, "process %ld %ld %.9f 0.000000000 150.000 8000.0 11778", frames, start,
                          start / 3200.0);
            return std::string(line);
        };
        const long count = (6010 + block - 1) / block;
        ASSERT_EQ(blocks.size(), size_t(count));
        EXPECT_EQ(blocks[5], processLine(block, 5 * block));
        EXPECT_EQ(blocks.back(), processLine(6010 - (count - 1) * block, (count - 1) * block));
    }
}

TEST_F(RenderCommand, EveryErrorIsOneLineWithItsExitStatusAndTheInputIsNeverWritten) {
    const AudioData stereo = testSignal(2, 44100, 100);
    writeWav(path("in.wav"), stereo, SF_FORMAT_FLOAT);
    std::ofstream(path("text.wav")) << "not audio\n";
    std::ofstream(path("bad.mid")) << "MThd";
    std::filesystem::create_symlink(path("in.wav"), path("link.wav"));
    std::filesystem::create_directories(path("sub"));
    const std::string in = path("in.wav"), out = path("out.wav");
    constexpr int kFailure = 1, kUsage = 2;

    const std::vector<std::pair<int, std::vector<std::string>>> cases{
        {kFailure, {path("missing.wav"), out}}, {kFailure, {path("text.wav"), out}},
        {kFailure, {"--plugin", path("text.wav"), in, out}}, {kFailure, {"--program", "No Such Program", in, out}},
        {kFailure, {"--set", "No Such Knob=0.5", in, out}}, {kUsage, {"--set", "Mix=1.5", in, out}},
        {kUsage, {"--set", "Mix=loud", in, out}}, {kUsage, {"--block", "0", in, out}},
        {kUsage, {"--note", "C5@2-1", in, out}}, {kFailure, {"--midi", path("bad.mid"), in, out}},
        {kUsage, {"--frobnicate", in, out}}, {kUsage, {"--tempo"}}, {kUsage, {in, out, path("third.wav")}},
        {kFailure, {in, in}}, {kFailure, {in, path("sub/../in.wav")}}, {kFailure, {in, path("link.wav")}},
        {kFailure, {"--plot", path("out.png"), "--format", "wav", in, path("out.png")}},
        {kUsage, {"--plot", path("wave.jpg"), in, out}},
        {kUsage, {in, path("out.mp3")}}, {kUsage, {"--format", "mp3", in, path("out.mp3")}},
        {kUsage, {"--format", "flac", in, out}},
    };
    for (const auto& [status, args] : cases) {
        const CommandResult result = render(args);
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        EXPECT_EQ(result.exitStatus, status) << shown;
        EXPECT_EQ(result.errLines(), 1) << shown << "\n" << result.err;
        EXPECT_EQ(result.err.rfind("zarvoline-render: ", 0), 0u) << result.err;
    }
    // Nothing half-written is left behind, and the input was never touched.
    EXPECT_EQ(files(), (std::vector<std::string>{"bad.mid", "in.wav", "link.wav", "sub", "text.wav"}));
    EXPECT_EQ(readAudio(in).samples, stereo.samples);
}

TEST_F(RenderCommand, OutputsAppearWholeOrNotAtAll) {
    writeWav(path("in.wav"), testSignal(2, 44100, 88200), SF_FORMAT_FLOAT);
    std::filesystem::create_directories(path("taken.wav"));
    const std::string in = path("in.wav"), out = path("out.wav"), plot = path("wave.png");
    struct Case {
        const char* what;
        std::vector<std::string> command;  // the probe plug-in goes in before --plot
        const char* raise;                 // the probe's SIGNAL@BLOCK, or none
        bool started;                      // whether any block was processed
        int exitStatus, signal;
    };
    const Case cases[] = {
        // Root may write into a read-only folder; a file-size limit stops anyone's write mid-way.
        {"a write fails", {"/usr/bin/prlimit", "--fsize=200000", ZARVOLINE_RENDER_PATH, "--plot", plot, in, out},
         nullptr, true, 1, 0},
        {"the output is a folder", {ZARVOLINE_RENDER_PATH, "--plot", plot, in, path("taken.wav")}, nullptr, false, 1, 0},
        {"the picture's folder is missing", {ZARVOLINE_RENDER_PATH, "--plot", path("none/wave.png"), in, out},
         nullptr, false, 1, 0},
        {"SIGTERM", {ZARVOLINE_RENDER_PATH, "--plot", plot, in, out}, "15@20", true, -1, SIGTERM},
        {"SIGINT", {ZARVOLINE_RENDER_PATH, "--plot", plot, in, out}, "2@20", true, -1, SIGINT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::pair<std::string, std::string>> env{{"ZARVOLINE_PROBE_LOG", path("probe.log")}};
        if (c.raise) env.emplace_back("ZARVOLINE_PROBE_RAISE", c.raise);
        std::vector<std::string> args(c.command.begin() + 1, c.command.end());
        args.insert(std::find(args.begin(), args.end(), "--plot"), {"--plugin", ZARVOLINE_PROBE_PATH});
        const CommandResult result = run(c.command[0], args, env);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << result.err;
        EXPECT_EQ(result.signal, c.signal);
        EXPECT_EQ(result.errLines(), c.exitStatus > 0 ? 1 : 0) << result.err;

        std::ifstream log(path("probe.log"));
        bool started = false;
        for (std::string line; std::getline(log, line);) started = started || line.starts_with("process");
        EXPECT_EQ(started, c.started);
        std::filesystem::remove(path("probe.log"));
        EXPECT_EQ(files(), (std::vector<std::string>{"in.wav", "taken.wav"}));
    }
}

TEST_F(RenderCommand, PlotIsAPicture) {
    writeWav(path("in.wav"), testSignal(2, 44100, 50000), SF_FORMAT_FLOAT);
    const CommandResult result = render({"--plot", path("wave.png"), "--program", "Studder", "--set", "Mix=0",
                                         path("in.wav"), path("out.wav")});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    char signature[8] = {};
    std::ifstream(path("wave.png"), std::ios::binary).read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature, 8), "\x89PNG\r\n\x1a\n");
}
