// The state extension between instances: what one saves another loads with
// the same values, names, MIDI maps and sound, through host streams that cut
// the bytes up any way; what is damaged is refused and changes nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/StateStream.h"
#include "params/ParameterIds.h"
#include "tests/clap/ClapTestHost.h"

namespace {

constexpr double kRate = 44100.0;

std::vector<double> valuesOf(const ClapInstance& instance) {
    std::vector<double> values;
    for (clap_id id = 0; id < static_cast<clap_id>(kNumParams); ++id) values.push_back(instance.value(id));
    return values;
}

// A bar of noise, recording from the first frame, as a host plays after loading.
StereoBuffer playBar(ClapInstance& instance) {
    EXPECT_TRUE(instance.start(kRate, 512));
    ClapEventList events;
    events.paramValue(0, kRecord, 1.0);
    StereoBuffer buffer = noise(88200, 21);
    const clap_event_transport_t transport = transportAt(0, kRate, 120.0, true);
    EXPECT_EQ(instance.process(buffer, 0, 512, &events, nullptr, &transport), CLAP_PROCESS_CONTINUE);
    StereoBuffer rest(buffer.size() - 512);
    std::copy(buffer.left.begin() + 512, buffer.left.end(), rest.left.begin());
    std::copy(buffer.right.begin() + 512, buffer.right.end(), rest.right.begin());
    const StereoBuffer played = instance.render(rest, 512, 120.0, true, 512.0);
    std::copy(played.left.begin(), played.left.end(), buffer.left.begin() + 512);
    std::copy(played.right.begin(), played.right.end(), buffer.right.begin() + 512);
    return buffer;
}

// A state with edits in several programs, their names and both MIDI maps:
// made through the stream functions, as only they reach programs other than
// the current one and the maps.
std::vector<uint8_t> editedState(const std::vector<uint8_t>& fresh) {
    PluginState state;
    EXPECT_TRUE(readState(fresh.data(), fresh.size(), state));
    std::mt19937 random(8);
    for (int program = 0; program < kNumPrograms; ++program) {
        for (int p : {kMix, kGate, kPitch, kFilterFreq, kBlend, kShuffle})
            state.values[program][p] = std::uniform_real_distribution<float>(0.0f, 1.0f)(random);
        std::snprintf(state.names[program], sizeof state.names[program], "Edited %d", program);
    }
    state.currentProgram = 11;
    state.controllerMap[7] = kBlend;
    state.controllerMap[1] = MidiMaps::kUnbound;
    state.noteProgramMap[50] = 2;
    return writeState(state);
}

TEST(ClapState, RoundTripsValuesNamesMapsAndSoundBetweenInstances) {
    ClapTestHost host;
    ClapInstance source(host);
    const std::vector<uint8_t> edited = editedState(source.saveState());
    ASSERT_TRUE(source.loadState(edited));
    EXPECT_EQ(host.rescans.back() & CLAP_PARAM_RESCAN_VALUES, static_cast<uint32_t>(CLAP_PARAM_RESCAN_VALUES));
    // The current program's values and Record, set by the host, travel too.
    source.setByFlush(kFilterType, 2.0);
    source.setByFlush(kDirection, 2.0);
    const std::vector<uint8_t> saved = source.saveState();
    EXPECT_EQ(saved.size(), kStateStreamSize);

    ClapInstance copy(host);
    ASSERT_TRUE(copy.loadState(saved, 1));  // a host handing out one byte at a time
    EXPECT_EQ(valuesOf(copy), valuesOf(source));
    EXPECT_EQ(copy.saveState(), saved);     // names and maps included, byte for byte
    EXPECT_EQ(copy.valueText(kFilterType, copy.value(kFilterType)), "HPF");

    const StereoBuffer a = playBar(source);
    const StereoBuffer b = playBar(copy);
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
}

TEST(ClapState, LoadedMapsDriveControllersAndNotes) {
    ClapTestHost host;
    ClapInstance instance(host);
    const std::vector<uint8_t> edited = editedState(instance.saveState());
    ASSERT_TRUE(instance.loadState(edited));
    PluginState state;
    ASSERT_TRUE(readState(edited.data(), edited.size(), state));
    ASSERT_TRUE(instance.start(kRate, 256));
    StereoBuffer buffer = noise(256, 2);
    ClapEventList events;
    ClapOutputEvents out;
    const double length = instance.value(kLength);
    events.midi(0, 0xB0, 7, 127);  // now Blend
    events.midi(1, 0xB0, 1, 0);    // no longer Length
    ASSERT_EQ(instance.process(buffer, 0, 256, &events, &out), CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(instance.value(kBlend), 1.0);
    EXPECT_EQ(instance.value(kLength), length);

    // Note 50 recalls program 2 ("Timestrech 1000%", its Length about 1000 samples).
    events.clear();
    out.clear();
    events.note(5, CLAP_EVENT_NOTE_ON, 50, 1.0);
    ASSERT_EQ(instance.process(buffer, 0, 256, &events, &out), CLAP_PROCESS_CONTINUE);
    ASSERT_EQ(instance.process(buffer, 0, 256, nullptr, &out), CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(instance.value(kLength), state.values[2][kLength]);
    EXPECT_EQ(instance.value(kMix), state.values[2][kMix]);
    ASSERT_EQ(out.lastValues().count(kLength), 1u);
    EXPECT_EQ(out.lastValues().at(kLength), instance.value(kLength));
    EXPECT_EQ(instance.value(kRecord), 1.0);
}

TEST(ClapState, RefusesDamageAndChangesNothing) {
    ClapTestHost host;
    ClapInstance instance(host);
    ASSERT_TRUE(instance.loadState(editedState(instance.saveState())));
    const std::vector<uint8_t> good = instance.saveState();
    const std::vector<double> values = valuesOf(instance);
    const auto unchanged = [&] { return instance.saveState() == good && valuesOf(instance) == values; };

    for (size_t size = 0; size < good.size(); ++size) {
        ASSERT_FALSE(instance.loadState(std::vector<uint8_t>(good.begin(), good.begin() + size))) << size;
        ASSERT_TRUE(unchanged()) << "cut to " << size;
    }
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(instance.loadState(longer));
    std::vector<uint8_t> huge(3u << 20, 0x55);  // a stream that goes on and on
    EXPECT_FALSE(instance.loadState(huge, 65536));
    std::mt19937 random(31);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<uint8_t> damaged = good;
        const size_t at = random() % damaged.size();
        damaged[at] = static_cast<uint8_t>(damaged[at] ^ (1 + random() % 255));
        ASSERT_FALSE(instance.loadState(damaged, 1 + random() % 5000)) << "byte " << at;
    }
    std::vector<uint8_t> newer = good;
    newer[4] = 2;  // the version, with the checksum made good again
    PluginState ignored;
    EXPECT_FALSE(readState(newer.data(), newer.size(), ignored));
    EXPECT_FALSE(instance.loadState(newer));
    // A host stream that fails part-way.
    clap_istream_t failing{};
    failing.read = [](const clap_istream_t*, void*, uint64_t) -> int64_t { return -1; };
    EXPECT_FALSE(instance.state().load(instance.plugin(), &failing));
    EXPECT_TRUE(unchanged());

    // A host stream that refuses to take the bytes.
    clap_ostream_t full{};
    full.write = [](const clap_ostream_t*, const void*, uint64_t) -> int64_t { return 0; };
    EXPECT_FALSE(instance.state().save(instance.plugin(), &full));
}

}  // namespace
