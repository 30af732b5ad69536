// One effect, two formats: the demo loop played through the factory program
// "Studder" by the CLAP plug-in, in the blocks and at the tempo the render
// host uses, gives exactly the samples zarvoline-render gets from the VST 2
// library.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/StateStream.h"
#include "tests/clap/ClapTestHost.h"
#include "tools/render/SoundFile.h"

namespace {

constexpr int kStudder = 7;
constexpr uint32_t kBlock = 1024;
constexpr double kTempo = 120.0;

StereoBuffer readWave(const std::string& path) {
    SoundFileReader reader(path);
    StereoBuffer sound(static_cast<size_t>(reader.frames()));
    reader.read(sound.left.data(), sound.right.data(), static_cast<int>(sound.size()));
    return sound;
}

void run(const std::string& command) { ASSERT_EQ(std::system(command.c_str()), 0) << command; }

TEST(ClapSoundsLikeVst, TheDemoLoopThroughStudderGivesTheVstSamples) {
    const std::filesystem::path work = std::filesystem::path(ZARVOLINE_TEST_WORK) / "sounds-like-vst";
    std::filesystem::create_directories(work);
    const std::string loop = (work / "loop.wav").string(), reference = (work / "vst.wav").string();
    run(std::string(ZARVOLINE_MAKE_DEMO_LOOP) + " " + loop + " >/dev/null");
    run(std::string(ZARVOLINE_RENDER) + " --plugin " + ZARVOLINE_VST_PATH + " --program Studder --tempo 120 --block " +
        std::to_string(kBlock) + " " + loop + " " + reference + " >/dev/null");
    const StereoBuffer in = readWave(loop), vst = readWave(reference);
    ASSERT_EQ(in.size(), vst.size());

    ClapTestHost host;
    ClapInstance instance(host);
    // A CLAP host has no program list: the program comes with the state, as
    // from a session saved with "Studder" chosen in the editor.
    PluginState state;
    const std::vector<uint8_t> fresh = instance.saveState();
    ASSERT_TRUE(readState(fresh.data(), fresh.size(), state));
    state.currentProgram = kStudder;
    ASSERT_TRUE(instance.loadState(writeState(state)));
    ASSERT_TRUE(instance.activate(44100.0, 1, kBlock));
    ASSERT_TRUE(instance.startProcessing());
    const StereoBuffer clap = instance.render(in, kBlock, kTempo);

    size_t differing = 0, first = clap.size();
    for (size_t i = 0; i < clap.size(); ++i) {
        if (clap.left[i] != vst.left[i] || clap.right[i] != vst.right[i]) {
            ++differing;
            first = std::min(first, i);
        }
    }
    EXPECT_EQ(differing, 0u) << "first at frame " << first;
    std::filesystem::remove_all(work);
}

}  // namespace
