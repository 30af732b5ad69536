// The LV2 plug-in plays exactly as the VST 2 library: the same input through
// the same program, with the same transport and MIDI, gives the same samples
// and the same status values, block for block. The VST 2 library is driven
// through its AEffect record by the scripted host; the LV2 one through lilv,
// its programs loaded as the bundle's presets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lv2/PortLayout.h"
#include "plugin/vst2.h"
#include "tests/host/TestHost.h"
#include "tests/lv2/Lv2Host.h"
#include "tests/lv2/Lv2TestSignals.h"

namespace {

constexpr uint32_t kBlock = 512;
constexpr size_t kFrames = 44100 * 4;

struct MidiAt {
    size_t block;
    uint8_t status, data1, data2;
};

// Notes that re-pitch the repeats and a controller, in a few blocks.
const std::vector<MidiAt> kMidi = {
    {40, 0x90, 60, 100}, {80, 0x80, 60, 0}, {120, 0x90, 67, 90}, {150, 0x80, 67, 0}, {200, 0xB0, 1, 64},
};

struct Render {
    std::vector<float> left, right;
    std::vector<float> status;  // the three status values after each block
};

Render renderVst2(int program, const lv2_test::Stereo& input) {
    TestHost host;
    host.recordCalls = false;
    // Made without time information, as LV2 makes an instance: program 0's
    // loop length (and the glide that starts from it) is not a bar at a tempo.
    host.provideTime = false;
    PluginInstance plugin(host);
    host.provideTime = true;
    host.time.flags |= kVstTransportPlaying;
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    plugin.dispatch(effSetBlockSize, 0, kBlock);
    plugin.dispatch(effMainsChanged, 0, 1);
    plugin.setProgram(program);
    Render out{std::vector<float>(input.frames()), std::vector<float>(input.frames()), {}};
    for (size_t start = 0, block = 0; start < input.frames(); start += kBlock, ++block) {
        const auto frames = static_cast<VstInt32>(std::min<size_t>(kBlock, input.frames() - start));
        for (const MidiAt& m : kMidi) {
            if (m.block != block) continue;
            VstMidiEvent event{};
            event.type = kVstMidiType;
            event.byteSize = sizeof event;
            event.midiData[0] = static_cast<char>(m.status);
            event.midiData[1] = static_cast<char>(m.data1);
            event.midiData[2] = static_cast<char>(m.data2);
            VstEvents events{};
            events.numEvents = 1;
            events.events[0] = reinterpret_cast<VstEvent*>(&event);
            plugin.dispatch(effProcessEvents, 0, 0, &events);
        }
        host.time.samplePos = static_cast<double>(start);
        float* in[2] = {const_cast<float*>(&input.left[start]), const_cast<float*>(&input.right[start])};
        float* outs[2] = {&out.left[start], &out.right[start]};
        plugin->processReplacing(plugin.effect(), in, outs, frames);
        for (int s = kStatusPlayPos; s <= kStatusRecordedLength; ++s) out.status.push_back(plugin.get(s));
    }
    return out;
}

struct Lv2Way {
    bool inPlace = false;            // outputs in the inputs' buffers
    bool positionOnControl = false;  // the time in the event input, not the time input
};

Render renderLv2(lv2_test::World& world, const std::string& preset, const lv2_test::Stereo& input, Lv2Way way = {}) {
    lv2_test::Instance plugin(world);
    EXPECT_TRUE(plugin.valid());
    if (way.inPlace) plugin.processInPlace();
    plugin.activate();
    if (!preset.empty()) plugin.loadPreset(preset);
    // Rolling from bar 1 at 120 BPM, told once.
    plugin.queuePosition(0, 1.0f, 120.0f, way.positionOnControl);
    Render out{std::vector<float>(input.frames()), std::vector<float>(input.frames()), {}};
    for (size_t start = 0, block = 0; start < input.frames(); start += kBlock, ++block) {
        const auto frames = static_cast<uint32_t>(std::min<size_t>(kBlock, input.frames() - start));
        for (const MidiAt& m : kMidi)
            if (m.block == block) plugin.queueMidi(m.status, m.data1, m.data2);
        plugin.run(&input.left[start], &input.right[start], &out.left[start], &out.right[start], frames);
        for (int port = lv2_ports::kFirstStatus; port < lv2_ports::kFirstStatus + lv2_ports::kNumStatus; ++port)
            out.status.push_back(plugin.control(port));
    }
    return out;
}

// The first frame that differs, or -1.
long firstDifference(const std::vector<float>& a, const std::vector<float>& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) return static_cast<long>(i);
    return a.size() == b.size() ? -1 : static_cast<long>(std::min(a.size(), b.size()));
}

std::string presetUriOf(int program) { return "urn:zarvoline:stutter:preset:" + std::to_string(program); }

}  // namespace

TEST(Lv2MatchesVst2, EveryFactoryProgramAsAPresetPlaysTheSameSamples) {
    lv2_test::World world;
    const lv2_test::Stereo input = lv2_test::testSignal(kFrames);
    for (int program = 0; program < 13; ++program) {
        SCOPED_TRACE("program " + std::to_string(program));
        const Render vst = renderVst2(program, input);
        const Render lv2 = renderLv2(world, presetUriOf(program), input);
        EXPECT_EQ(firstDifference(vst.left, lv2.left), -1);
        EXPECT_EQ(firstDifference(vst.right, lv2.right), -1);
        EXPECT_EQ(firstDifference(vst.status, lv2.status), -1);
        if (program == 7) {
            // Hosts that process in place, or send their time with the MIDI.
            const Render inPlace = renderLv2(world, presetUriOf(program), input, {true, false});
            EXPECT_EQ(firstDifference(vst.left, inPlace.left), -1);
            EXPECT_EQ(firstDifference(vst.right, inPlace.right), -1);
            const Render oneSequence = renderLv2(world, presetUriOf(program), input, {false, true});
            EXPECT_EQ(firstDifference(vst.left, oneSequence.left), -1);
        }
    }
}
