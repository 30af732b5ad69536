// The editor object inside the test program: its display context and tempo
// reading, and changes that arrive from another thread.
#include "tests/editor/HeadlessEditor.h"

#include <array>
#include <cmath>
#include <memory>
#include <thread>

#include "params/RangeMapper.h"

namespace {

TEST(EditorShell, TempoFromLoopReadsTheSpanAsOneBarFoldedTo240) {
    TestHost host;
    host.provideTime = false;  // 44100 Hz by default
    HeadlessEditor plugin(host);
    // A Length value whose loop is exactly `frames` long.
    const auto lengthValueFor = [](int32_t frames) {
        RangeMapper mapper;
        float v = static_cast<float>(mapper.lengthToNormal(frames));
        while (mapper.lengthFromNormal(v) < frames) v = std::nextafter(v, 2.0f);
        while (mapper.lengthFromNormal(v) > frames) v = std::nextafter(v, -1.0f);
        return v;
    };
    StutterEditor* editor = plugin.editor();
    for (auto [frames, tempo] : {std::pair{44100, 240.0f}, {22050, 240.0f}, {88200, 120.0f}, {176400, 60.0f}})
        EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(frames), 0.5f), tempo) << frames;
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(0.0f, 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(editor->tempoFromLoop(lengthValueFor(1000), 1.0f), 0.0f);  // span below 0
}

TEST(EditorShell, EachEditorTakesItsDisplayContextFromItsHostWhenTheWindowOpens) {
    struct Case {
        bool provide;
        double tempo;
        double rate;
        float expectedTempo;
        float expectedRate;
    };
    // No time information, or a tempo or rate of 0, keeps 120 BPM and 44100 Hz.
    const Case cases[] = {{true, 100.0, 44100.0, 100.0f, 44100.0f},
                          {false, 90.0, 48000.0, 120.0f, 44100.0f},
                          {true, 90.0, 48000.0, 90.0f, 48000.0f},
                          {true, 0.0, 0.0, 120.0f, 44100.0f}};
    std::array<TestHost, std::size(cases)> hosts;
    std::array<std::unique_ptr<HeadlessEditor>, std::size(cases)> plugins;
    for (size_t i = 0; i < std::size(cases); ++i) {
        hosts[i].provideTime = cases[i].provide;
        hosts[i].time.tempo = cases[i].tempo;
        hosts[i].time.sampleRate = cases[i].rate;
        plugins[i] = std::make_unique<HeadlessEditor>(hosts[i]);
        ASSERT_TRUE(plugins[i]->open());
    }
    plugins[0].reset();  // one instance going away takes nothing of the others'
    for (size_t i = 1; i < std::size(cases); ++i) {
        const DisplayContext& display = plugins[i]->editor()->displayContext();
        EXPECT_FLOAT_EQ(display.tempo, cases[i].expectedTempo) << i;
        EXPECT_FLOAT_EQ(display.sampleRate, cases[i].expectedRate) << i;
        EXPECT_FLOAT_EQ(display.samplesPerBar, cases[i].expectedRate * 240.0f / cases[i].expectedTempo) << i;
        EXPECT_FLOAT_EQ(display.pitchTable.ratio(PitchTable::kUnityEntry), 1.0f) << i;
    }
}

TEST(EditorShell, ChangesFromAnotherThreadAreOnlyNotedUntilTheNextIdle) {
    TestHost host;
    HeadlessEditor plugin(host);
    StutterEditor* editor = plugin.editor();
    editor->setParameter(kStatusPlayPos, 0.25f);  // closed: ignored
    EXPECT_FLOAT_EQ(editor->latestLevel(), 0.0f);
    ASSERT_TRUE(plugin.open());
    std::thread audio([&] {
        for (int i = 1; i <= 2000; ++i) plugin.set(kMix, i / 2000.0f);
        for (int i = 1; i <= 2000; ++i) editor->setParameter(kStatusPlayPos, i / 2000.0f);
    });
    for (int i = 0; i < 200; ++i) plugin.idle();
    audio.join();
    plugin.idle();
    EXPECT_FLOAT_EQ(editor->latestLevel(), 1.0f);
}

}  // namespace
