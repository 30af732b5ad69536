// State as LV2 hosts keep it in a session: what one instance saves, a fresh
// instance restores with the same values, learnt MIDI maps, program names and
// sound. Also the editor's view of values: what the plug-in changes by itself
// reaches the event output.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <lv2/atom/util.h>

#include "lv2/BundleUris.h"
#include "lv2/PortLayout.h"
#include "tests/lv2/Lv2Host.h"
#include "tests/lv2/Lv2TestSignals.h"

namespace {

constexpr uint32_t kBlock = 256;

struct Played {
    lv2_test::Stereo out;
    void append(const std::vector<float>& l, const std::vector<float>& r) {
        out.left.insert(out.left.end(), l.begin(), l.end());
        out.right.insert(out.right.end(), r.begin(), r.end());
    }
};

// Runs `blocks` blocks of the signal from frame `start`, keeping the output.
void play(lv2_test::Instance& plugin, const lv2_test::Stereo& input, size_t start, int blocks, Played* kept = nullptr) {
    std::vector<float> l(kBlock), r(kBlock);
    for (int b = 0; b < blocks; ++b) {
        const size_t at = start + static_cast<size_t>(b) * kBlock;
        plugin.run(&input.left[at], &input.right[at], l.data(), r.data(), kBlock);
        if (kept) kept->append(l, r);
    }
}

// The latest value the plug-in told for each parameter.
std::map<int, float> latestValues(const std::vector<lv2_test::Notice>& notices) {
    std::map<int, float> values;
    for (const lv2_test::Notice& n : notices)
        if (n.index >= 0 && n.index < kNumParams) values[n.index] = n.value;
    return values;
}

std::map<int, float> everyValue(lv2_test::Instance& plugin, const lv2_test::Stereo& input) {
    plugin.takeNotices();
    plugin.queueSendAll();
    play(plugin, input, 0, 1);
    return latestValues(plugin.takeNotices());
}

}  // namespace

TEST(Lv2State, AFreshInstanceRestoresValuesLearntMapsNamesAndSound) {
    lv2_test::World world;
    const lv2_test::Stereo input = lv2_test::testSignal(44100 * 3);
    lv2_test::Instance first(world);
    first.activate();
    first.queuePosition(0, 1.0f, 120.0f);
    first.loadPreset("urn:zarvoline:stutter:preset:11");
    play(first, input, 0, 4);
    first.setControl(kGate, 0.6f);
    first.setControl(kPitch, 0.7f);
    first.setControl(kBlend, 0.25f);
    // Controller 20 learnt for Shuffle; notes 48 to 63 bound to the programs.
    first.queueCommand(kCmdLearnKnob, static_cast<float>(kShuffle));
    first.queueCommand(kCmdMidiAction, 5.0f);
    play(first, input, 0, 1);
    first.queueMidi(0xB0, 20, 100);
    play(first, input, 0, 1);

    LilvState* saved = first.saveState();
    ASSERT_NE(saved, nullptr);
    ASSERT_GT(lilv_state_get_num_properties(saved), 0u);
    lv2_test::Instance second(world);
    second.activate();
    second.queuePosition(0, 1.0f, 120.0f);
    second.restoreState(saved);
    play(second, input, 0, 1);

    // The whole state comes back: saved again, it is the same state.
    LilvState* again = second.saveState();
    EXPECT_TRUE(lilv_state_equals(saved, again));
    lilv_state_free(again);
    lilv_state_free(saved);

    const std::map<int, float> before = everyValue(first, input);
    ASSERT_EQ(before.size(), static_cast<size_t>(kNumParams));
    EXPECT_EQ(before.at(kShuffle), 100.0f / 127.0f);
    EXPECT_EQ(everyValue(second, input), before);

    // The learnt controller and the note map act alike in both.
    for (lv2_test::Instance* plugin : {&first, &second}) {
        plugin->takeNotices();
        plugin->queueMidi(0xB0, 20, 30);
        plugin->queueMidi(0x90, 55, 100);  // note 55: program 7
        play(*plugin, input, 0, 2);
    }
    const std::map<int, float> afterMidi = everyValue(first, input);
    EXPECT_EQ(afterMidi, everyValue(second, input));
    EXPECT_NE(afterMidi, before);

    // And the same sound from the same start.
    Played heardFirst, heardSecond;
    for (lv2_test::Instance* plugin : {&first, &second}) {
        plugin->deactivate();
        plugin->activate();
        plugin->queuePosition(0, 1.0f, 120.0f);
    }
    play(first, input, 0, 200, &heardFirst);
    play(second, input, 0, 200, &heardSecond);
    EXPECT_EQ(heardFirst.out.left, heardSecond.out.left);
    EXPECT_EQ(heardFirst.out.right, heardSecond.out.right);
}

TEST(Lv2State, DamagedStateIsRefusedAndChangesNothing) {
    lv2_test::World world;
    const lv2_test::Stereo input = lv2_test::testSignal(kBlock * 4);
    lv2_test::Instance other(world);
    other.activate();
    other.setControl(kGate, 0.9f);
    other.queueCommand(kCmdMidiAction, 5.0f);
    play(other, input, 0, 1);
    const std::vector<uint8_t> good = other.saveChunk();
    ASSERT_FALSE(good.empty());

    lv2_test::Instance plugin(world);
    plugin.activate();
    const std::map<int, float> before = everyValue(plugin, input);
    const std::vector<uint8_t> fresh = plugin.saveChunk();
    std::vector<uint8_t> cut(good.begin(), good.end() - 1);
    std::vector<uint8_t> flipped = good;
    flipped[flipped.size() / 2] ^= 0x10;
    for (const std::vector<uint8_t>* damaged : {&cut, &flipped}) {
        EXPECT_NE(plugin.restoreChunk(*damaged), LV2_STATE_SUCCESS);
        EXPECT_EQ(everyValue(plugin, input), before);
        EXPECT_EQ(plugin.saveChunk(), fresh);
    }
    // The whole chunk is taken.
    EXPECT_EQ(plugin.restoreChunk(good), LV2_STATE_SUCCESS);
    EXPECT_EQ(plugin.saveChunk(), good);
}

TEST(Lv2Notices, ValuesThePluginChangesByItselfReachTheEventOutput) {
    lv2_test::World world;
    const lv2_test::Stereo input = lv2_test::testSignal(kBlock * 8);
    lv2_test::Instance plugin(world);
    plugin.activate();
    play(plugin, input, 0, 1);
    plugin.takeNotices();
    // Controller 16 drives Gate in the default map.
    plugin.queueMidi(0xB0, 16, 127);
    play(plugin, input, 0, 1);
    const std::map<int, float> changed = latestValues(plugin.takeNotices());
    ASSERT_TRUE(changed.count(kGate));
    EXPECT_EQ(changed.at(kGate), 1.0f);
    // The port still holds the host's value: the change is the plug-in's.
    EXPECT_EQ(plugin.control(kGate), 0.0f);
    // Nothing new, nothing told.
    play(plugin, input, 0, 2);
    EXPECT_TRUE(latestValues(plugin.takeNotices()).empty());
}

namespace {

// The objects of one type among the last block's events, each as its numbers by key.
std::vector<std::map<std::string, float>> objectsOf(lv2_test::World& world, const lv2_test::Instance& plugin,
                                                    const char* type) {
    lv2_test::UridMap& u = world.urids();
    std::vector<std::map<std::string, float>> found;
    for (const std::vector<uint8_t>& bytes : plugin.lastNotifications()) {
        const auto* object = reinterpret_cast<const LV2_Atom_Object*>(bytes.data());
        if (object->atom.type != u.map(LV2_ATOM__Object) || object->body.otype != u.map(type)) continue;
        std::map<std::string, float> numbers;
        LV2_ATOM_OBJECT_FOREACH (object, property) {
            if (property->value.type == u.map(LV2_ATOM__Float))
                numbers[u.unmap(property->key)] = reinterpret_cast<const LV2_Atom_Float&>(property->value).body;
        }
        found.push_back(numbers);
    }
    return found;
}

}  // namespace

TEST(Lv2Notices, LevelReportsWithTheLoopsPositionsAndTheHostsTimeReachTheEventOutput) {
    lv2_test::World world;
    const lv2_test::Stereo input = lv2_test::testSignal(kBlock * 40);
    lv2_test::Instance plugin(world);
    plugin.activate();
    plugin.queuePosition(0, 1.0f, 132.0f);
    plugin.setControl(kRecord, 1.0f);
    std::vector<float> l(kBlock), r(kBlock);
    float lastRecordPosition = 0.0f;
    int levels = 0;
    for (int block = 0; block < 40; ++block) {
        plugin.run(&input.left[block * kBlock], &input.right[block * kBlock], l.data(), r.data(), kBlock);
        for (const auto& level : objectsOf(world, plugin, ZARVOLINE_LV2_MSG_LEVEL)) {
            ++levels;
            EXPECT_GT(level.at(ZARVOLINE_LV2_MSG_NUMBER), 0.0f);  // the signal is not silent
            EXPECT_GE(level.at(ZARVOLINE_LV2_MSG_RECORD_POSITION), lastRecordPosition);
            lastRecordPosition = level.at(ZARVOLINE_LV2_MSG_RECORD_POSITION);
            EXPECT_TRUE(level.count(ZARVOLINE_LV2_MSG_PLAY_POSITION) && level.count(ZARVOLINE_LV2_MSG_CUTOFF));
        }
    }
    // About one report every 513 frames while the loop records.
    EXPECT_GE(levels, 40 * static_cast<int>(kBlock) / 513 - 2);
    EXPECT_GT(lastRecordPosition, 0.0f);
    // Reports come from within blocks, the status port holds where the block ended.
    EXPECT_LE(lastRecordPosition, plugin.control(lv2_ports::kFirstStatus + 1));

    plugin.queueSendAll();
    play(plugin, input, 0, 1);
    const auto timing = objectsOf(world, plugin, ZARVOLINE_LV2_MSG_TIMING);
    ASSERT_EQ(timing.size(), 1u);
    EXPECT_EQ(timing[0].at(ZARVOLINE_LV2_MSG_TEMPO), 132.0f);
    EXPECT_EQ(timing[0].at(ZARVOLINE_LV2_MSG_SAMPLE_RATE), 44100.0f);
}
