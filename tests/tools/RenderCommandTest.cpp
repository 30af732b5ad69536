// zarvoline-render end to end: the built program on small generated files,
// with Zarvoline (the default program keeps it dry) or with the probe
// plug-in, which reports what the host gave it.
#include <gtest/gtest.h>

#include <sndfile.h>

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

TEST_F(RenderCommand, EveryErrorIsOneLineAndANonZeroExitAndTheInputIsNeverWritten) {
    const AudioData stereo = testSignal(2, 44100, 100);
    writeWav(path("in.wav"), stereo, SF_FORMAT_FLOAT);
    std::ofstream(path("text.wav")) << "not audio\n";
    std::ofstream(path("bad.mid")) << "MThd";
    std::filesystem::create_symlink(path("in.wav"), path("link.wav"));
    std::filesystem::create_directories(path("sub"));
    const std::string in = path("in.wav"), out = path("out.wav");

    const std::vector<std::vector<std::string>> cases{
        {path("missing.wav"), out}, {path("text.wav"), out}, {"--plugin", path("text.wav"), in, out},
        {"--program", "No Such Program", in, out}, {"--set", "No Such Knob=0.5", in, out},
        {"--set", "Mix=1.5", in, out}, {"--set", "Mix=loud", in, out}, {"--block", "0", in, out},
        {"--note", "C5@2-1", in, out}, {"--midi", path("bad.mid"), in, out}, {"--frobnicate", in, out},
        {"--tempo"}, {in, out, path("third.wav")}, {in, in}, {in, path("sub/../in.wav")}, {in, path("link.wav")},
        {"--plot", in, in, out},
    };
    for (const auto& args : cases) {
        const CommandResult result = render(args);
        std::string shown;
        for (const auto& a : args) shown += a + " ";
        EXPECT_NE(result.exitStatus, 0) << shown;
        EXPECT_EQ(result.errLines(), 1) << shown << "\n" << result.err;
        EXPECT_EQ(result.err.rfind("zarvoline-render: ", 0), 0u) << result.err;
        EXPECT_FALSE(std::filesystem::exists(out)) << shown;  // nothing half-written is left behind
    }
    EXPECT_EQ(readAudio(in).samples, stereo.samples);  // the input was never touched
}

TEST_F(RenderCommand, PlotAndHelp) {
    writeWav(path("in.wav"), testSignal(2, 44100, 50000), SF_FORMAT_FLOAT);
    const CommandResult result = render({"--plot", path("wave.png"), "--program", "Studder", "--set", "Mix=0",
                                         path("in.wav"), path("out.wav")});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    char signature[8] = {};
    std::ifstream(path("wave.png"), std::ios::binary).read(signature, sizeof signature);
    EXPECT_EQ(std::string(signature, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_NE(render({"--help"}).out.find("--note"), std::string::npos);
}
