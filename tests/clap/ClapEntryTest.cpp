// The library as a CLAP host first meets it: the entry, the factory and its
// one descriptor, instances made and destroyed, activation at the rates and
// block sizes hosts use, and what an instance offers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <set>
#include <string>

#include "tests/clap/ClapTestHost.h"

namespace {

std::set<std::string> featuresOf(const clap_plugin_descriptor_t& descriptor) {
    std::set<std::string> features;
    for (const char* const* f = descriptor.features; f && *f; ++f) features.insert(*f);
    return features;
}

TEST(ClapEntry, OneDescriptorInAFactoryThatMakesOnlyIt) {
    const clap_plugin_entry_t& entry = clapEntry();
    EXPECT_EQ(entry.clap_version.major, 1u);
    EXPECT_EQ(entry.get_factory("clap.no-such-factory"), nullptr);
    const clap_plugin_factory_t& factory = clapFactory();
    ASSERT_EQ(factory.get_plugin_count(&factory), 1u);
    EXPECT_EQ(factory.get_plugin_descriptor(&factory, 1), nullptr);
    const clap_plugin_descriptor_t* descriptor = factory.get_plugin_descriptor(&factory, 0);
    ASSERT_NE(descriptor, nullptr);
    EXPECT_TRUE(clap_version_is_compatible(descriptor->clap_version));
    EXPECT_STREQ(descriptor->id, "zarvoline.stutter");
    EXPECT_STREQ(descriptor->name, "Zarvoline");
    EXPECT_STREQ(descriptor->vendor, "Velmora");
    EXPECT_STRNE(descriptor->version, "");
    const std::set<std::string> features = featuresOf(*descriptor);
    EXPECT_TRUE(features.count(CLAP_PLUGIN_FEATURE_AUDIO_EFFECT));
    EXPECT_TRUE(features.count(CLAP_PLUGIN_FEATURE_STEREO));
    EXPECT_FALSE(features.count(CLAP_PLUGIN_FEATURE_INSTRUMENT));

    ClapTestHost host;
    EXPECT_EQ(factory.create_plugin(&factory, host.host(), "zarvoline.other"), nullptr);
    EXPECT_EQ(factory.create_plugin(&factory, host.host(), nullptr), nullptr);
    EXPECT_EQ(factory.create_plugin(&factory, nullptr, "zarvoline.stutter"), nullptr);
    clap_host_t old = *host.host();
    old.clap_version = {0, 9, 0};
    EXPECT_EQ(factory.create_plugin(&factory, &old, "zarvoline.stutter"), nullptr);
    ClapInstance instance(host);
    EXPECT_EQ(instance.plugin()->desc, descriptor);
}

TEST(ClapEntry, OffersItsExtensionsAndStereoPortsInPlace) {
    ClapTestHost host;
    ClapInstance instance(host);
    for (const char* id : {CLAP_EXT_PARAMS, CLAP_EXT_STATE, CLAP_EXT_AUDIO_PORTS, CLAP_EXT_NOTE_PORTS})
        EXPECT_NE(instance.plugin()->get_extension(instance.plugin(), id), nullptr) << id;
    EXPECT_EQ(instance.plugin()->get_extension(instance.plugin(), "clap.no-such-extension"), nullptr);

    const auto* audio = instance.extension<clap_plugin_audio_ports_t>(CLAP_EXT_AUDIO_PORTS);
    for (bool input : {true, false}) {
        ASSERT_EQ(audio->count(instance.plugin(), input), 1u);
        clap_audio_port_info_t info;
        ASSERT_TRUE(audio->get(instance.plugin(), 0, input, &info));
        EXPECT_EQ(info.id, 0u);
        EXPECT_EQ(info.channel_count, 2u);
        EXPECT_STREQ(info.port_type, CLAP_PORT_STEREO);
        EXPECT_TRUE(info.flags & CLAP_AUDIO_PORT_IS_MAIN);
        EXPECT_EQ(info.in_place_pair, 0u);
        EXPECT_FALSE(audio->get(instance.plugin(), 1, input, &info));
    }
    const auto* notes = instance.extension<clap_plugin_note_ports_t>(CLAP_EXT_NOTE_PORTS);
    ASSERT_EQ(notes->count(instance.plugin(), true), 1u);
    EXPECT_EQ(notes->count(instance.plugin(), false), 0u);
    clap_note_port_info_t info;
    ASSERT_TRUE(notes->get(instance.plugin(), 0, true, &info));
    EXPECT_TRUE(info.supported_dialects & CLAP_NOTE_DIALECT_MIDI);
    EXPECT_TRUE(info.supported_dialects & CLAP_NOTE_DIALECT_CLAP);
    EXPECT_FALSE(notes->get(instance.plugin(), 0, false, &info));
}

// Noise through a fresh instance recording from the first frame.
TEST(ClapEntry, ActivatesAtEveryRateAndBlockSizeAndPlaysFiniteSound) {
    const StereoBuffer in = noise(20000, 5);
    ClapTestHost host;
    for (double rate : {8000.0, 22050.0, 44100.0, 48000.0, 96000.0, 192000.0}) {
        for (uint32_t block : {1u, 17u, 64u, 512u, 4096u}) {
            ClapInstance instance(host);
            ASSERT_TRUE(instance.activate(rate, 1, block)) << rate << " " << block;
            instance.setByFlush(0, 1.0);  // Record, before processing starts
            ASSERT_TRUE(instance.startProcessing());
            const StereoBuffer out = instance.render(in, block);
            bool sound = false;
            for (size_t i = 0; i < out.size(); ++i) {
                ASSERT_TRUE(std::isfinite(out.left[i]) && std::isfinite(out.right[i])) << rate << " " << block;
                sound = sound || out.left[i] != 0.0f;
            }
            EXPECT_TRUE(sound) << rate << " " << block;
        }
    }
}

TEST(ClapEntry, RefusesWhatNoHostShouldAskAndSurvivesItsOrder) {
    ClapTestHost host;
    ClapInstance instance(host);
    for (double rate : {0.0, -44100.0, std::nan(""), HUGE_VAL})
        EXPECT_FALSE(instance.activate(rate, 1, 512)) << rate;
    EXPECT_FALSE(instance.activate(44100.0, 1, 0));
    // Processing before activation fails cleanly.
    StereoBuffer buffer(64, 0.25f);
    EXPECT_EQ(instance.process(buffer, 0, 64), CLAP_PROCESS_ERROR);
    // Activation twice without a deactivation between is refused; after one, allowed.
    ASSERT_TRUE(instance.activate(48000.0, 32, 256));
    EXPECT_FALSE(instance.activate(48000.0, 32, 256));
    instance.deactivate();
    ASSERT_TRUE(instance.activate(44100.0, 32, 256));
    ASSERT_TRUE(instance.startProcessing());
    // A block longer than the host promised still processes in place.
    StereoBuffer longer(1000, 0.25f);
    EXPECT_EQ(instance.process(longer, 0, 1000), CLAP_PROCESS_CONTINUE);
    // A block with no buffers at all, and an empty one.
    clap_process_t bare{};
    bare.frames_count = 64;
    {
        ClapTestHost::AudioThread audio;
        EXPECT_EQ(instance.plugin()->process(instance.plugin(), &bare), CLAP_PROCESS_CONTINUE);
        bare.frames_count = 0;
        EXPECT_EQ(instance.plugin()->process(instance.plugin(), &bare), CLAP_PROCESS_CONTINUE);
        bare.frames_count = 100000;  // past the stand-in buffers
        EXPECT_EQ(instance.plugin()->process(instance.plugin(), &bare), CLAP_PROCESS_ERROR);
    }
    // Destroyed while processing and active: the instance stops itself.
}

#ifdef ZARVOLINE_CLAP_THREAD_CHECKS
// The host's thread-check answers are honoured: a main-thread call made on
// the audio thread stops the plug-in with the call's name.
TEST(ClapEntryDeathTest, CallsOnTheWrongThreadStopThePlugin) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ClapTestHost host;
    ClapInstance instance(host);
    EXPECT_DEATH(
        {
            ClapTestHost::AudioThread audio;
            instance.params().count(instance.plugin());
        },
        "params.count called off the main thread");
    ASSERT_TRUE(instance.activate(44100.0, 1, 64));
    StereoBuffer buffer(64);
    float* channels[2] = {buffer.left.data(), buffer.right.data()};
    clap_audio_buffer_t audio{channels, nullptr, 2, 0, 0};
    clap_process_t process{};
    process.frames_count = 64;
    process.audio_inputs = &audio;
    process.audio_outputs = &audio;
    process.audio_inputs_count = process.audio_outputs_count = 1;
    EXPECT_DEATH(instance.plugin()->process(instance.plugin(), &process),
        "process called off the audio thread");
}
#endif

}  // namespace
