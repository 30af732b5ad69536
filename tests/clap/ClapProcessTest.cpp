// Processing as CLAP hosts do it: parameter, MIDI, note and transport events
// inside a block act at their own frame, exactly as if the host had cut the
// block there and sent each event at the start of the next piece; notes play
// the effect; what the plug-in changes by itself reaches the host as events.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "clap/ParamShapes.h"
#include "params/ParameterIds.h"
#include "tests/clap/ClapTestHost.h"

namespace {

constexpr double kRate = 44100.0;
constexpr uint32_t kBlock = 2048;

// One event of a script, at an absolute frame of the song.
struct Scripted {
    enum Kind { kParam, kMidi, kNoteOn, kNoteOff, kTempo } kind;
    uint32_t frame;
    uint32_t id;     // parameter, or MIDI status, or key
    double value;    // value, or MIDI data bytes (d1 * 256 + d2), or velocity, or tempo
};

void addTo(ClapEventList& list, const Scripted& e, uint32_t time, double position) {
    switch (e.kind) {
        case Scripted::kParam: list.paramValue(time, e.id, e.value); break;
        case Scripted::kMidi: {
            const int data = static_cast<int>(e.value);
            list.midi(time, static_cast<uint8_t>(e.id), static_cast<uint8_t>(data / 256), static_cast<uint8_t>(data % 256));
            break;
        }
        case Scripted::kNoteOn: list.note(time, CLAP_EVENT_NOTE_ON, static_cast<int16_t>(e.id), e.value); break;
        case Scripted::kNoteOff: list.note(time, CLAP_EVENT_NOTE_OFF, static_cast<int16_t>(e.id), 0.0); break;
        case Scripted::kTempo: list.transport(time, transportAt(position, kRate, e.value, true)); break;
    }
}

// The script's tempo in force just before a frame.
double tempoBefore(const std::vector<Scripted>& script, uint32_t frame) {
    double tempo = 120.0;
    for (const Scripted& e : script)
        if (e.kind == Scripted::kTempo && e.frame < frame) tempo = e.value;
    return tempo;
}

// Blocks of kBlock frames with every event inside its block at its frame.
StereoBuffer playSampleAccurate(const StereoBuffer& in, const std::vector<Scripted>& script) {
    ClapTestHost host;
    ClapInstance instance(host);
    EXPECT_TRUE(instance.start(kRate, kBlock));
    StereoBuffer buffer = in;
    for (uint32_t at = 0; at < buffer.size(); at += kBlock) {
        ClapEventList events;
        for (const Scripted& e : script)
            if (e.frame >= at && e.frame < at + kBlock) addTo(events, e, e.frame - at, e.frame);
        // The block's transport as it stood at its first frame; a change at
        // that frame comes as an event.
        const clap_event_transport_t transport = transportAt(at, kRate, tempoBefore(script, at), true);
        EXPECT_EQ(instance.process(buffer, at, kBlock, &events, nullptr, &transport), CLAP_PROCESS_CONTINUE);
    }
    return buffer;
}

// The same blocks cut by hand at every event's frame, each event sent at the
// start of the piece that begins there, with that piece's own transport.
StereoBuffer playCutByHand(const StereoBuffer& in, const std::vector<Scripted>& script) {
    ClapTestHost host;
    ClapInstance instance(host);
    EXPECT_TRUE(instance.start(kRate, kBlock));
    std::vector<uint32_t> cuts;
    for (uint32_t at = 0; at < in.size(); at += kBlock) cuts.push_back(at);
    for (const Scripted& e : script) cuts.push_back(e.frame);
    cuts.push_back(static_cast<uint32_t>(in.size()));
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    StereoBuffer buffer = in;
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        const uint32_t from = cuts[i], to = cuts[i + 1];
        ClapEventList events;
        for (const Scripted& e : script)
            if (e.frame == from && e.kind != Scripted::kTempo) addTo(events, e, 0, from);
        // A tempo change at the piece's first frame is its transport.
        const clap_event_transport_t transport = transportAt(from, kRate, tempoBefore(script, from + 1), true);
        EXPECT_EQ(instance.process(buffer, from, to - from, &events, nullptr, &transport), CLAP_PROCESS_CONTINUE);
    }
    return buffer;
}

// The first frame where two renders differ, or -1.
long firstDifference(const StereoBuffer& a, const StereoBuffer& b) {
    for (size_t i = 0; i < a.size(); ++i)
        if (a.left[i] != b.left[i] || a.right[i] != b.right[i]) return static_cast<long>(i);
    return -1;
}

// Parameters whose changes are heard at once, with values a host may send.
double randomValue(std::mt19937& random, clap_id id) {
    const ClapParamShape shape = clapParamShape(static_cast<int>(id));
    if (shape.stepped) return std::uniform_int_distribution<int>(static_cast<int>(shape.min), static_cast<int>(shape.max))(random);
    return std::uniform_real_distribution<double>(0.0, 1.0)(random);
}

TEST(ClapProcess, EventsAtRandomFramesPlayAsTheBlockCutByHandAtThoseFrames) {
    const clap_id audible[] = {kMix, kGate, kBitCrush, kPitch, kPitchMode, kFilterFreq, kFilterType, kFilterQ,
                               kRepeats, kLength, kOffset, kDirection, kDivisionNum, kRecord, kShuffle,
                               kBlend, kModulatorMode, kModulatorAmp, kRelease, kRecSync};
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        const StereoBuffer in = noise(kBlock * 12, seed);
        std::vector<Scripted> script = {{Scripted::kParam, 0, kRecord, 1.0}};
        std::uniform_int_distribution<uint32_t> frame(1, static_cast<uint32_t>(in.size()) - 1);
        for (int i = 0; i < 60; ++i) {
            const clap_id id = audible[random() % std::size(audible)];
            script.push_back({Scripted::kParam, frame(random), id, randomValue(random, id)});
        }
        // MIDI controllers (Length on 1, Mix on 2), notes and tempo changes among them.
        for (int i = 0; i < 8; ++i) {
            script.push_back({Scripted::kMidi, frame(random), 0xB0, static_cast<double>((1 + i % 2) * 256 + random() % 128)});
            script.push_back({Scripted::kNoteOn, frame(random), static_cast<uint32_t>(60 + random() % 24), 0.8});
            script.push_back({Scripted::kNoteOff, frame(random), static_cast<uint32_t>(60 + random() % 24), 0.0});
        }
        script.push_back({Scripted::kTempo, frame(random), 0, 97.0});
        script.push_back({Scripted::kTempo, frame(random), 0, 141.0});
        std::stable_sort(script.begin(), script.end(), [](const Scripted& a, const Scripted& b) { return a.frame < b.frame; });

        const StereoBuffer accurate = playSampleAccurate(in, script);
        const StereoBuffer byHand = playCutByHand(in, script);
        EXPECT_EQ(firstDifference(accurate, byHand), -1) << "seed " << seed;
        EXPECT_NE(firstDifference(accurate, in), -1) << "seed " << seed << ": the effect did nothing";
    }
}

TEST(ClapProcess, AnEventActsAtItsFrameNotAtTheBlocksStart) {
    // Recording from the first frame; Mix to fully dry in the middle of the
    // block: up to there the block plays as without the change, from there
    // it is the input itself.
    const StereoBuffer in = noise(kBlock, 3);
    const auto play = [&](bool dryHalfway) {
        ClapTestHost host;
        ClapInstance instance(host);
        EXPECT_TRUE(instance.start(kRate, kBlock));
        StereoBuffer buffer = in;
        ClapEventList events;
        events.paramValue(0, kRecord, 1.0);
        if (dryHalfway) events.paramValue(kBlock / 2, kMix, 1.0);
        const clap_event_transport_t transport = transportAt(0, kRate, 120.0, true);
        EXPECT_EQ(instance.process(buffer, 0, kBlock, &events, nullptr, &transport), CLAP_PROCESS_CONTINUE);
        return buffer;
    };
    const StereoBuffer unchanged = play(false), changed = play(true);
    for (uint32_t i = 0; i < kBlock / 2; ++i) ASSERT_EQ(changed.left[i], unchanged.left[i]) << i;
    for (uint32_t i = kBlock / 2; i < kBlock; ++i) ASSERT_EQ(changed.left[i], in.left[i]) << i;
    EXPECT_NE(firstDifference(unchanged, in), -1) << "the effect did nothing";
}

TEST(ClapProcess, NotesPlayTheEffectAndTheHostHearsOfRecordSwitching) {
    for (uint16_t dialect : {uint16_t{CLAP_EVENT_NOTE_ON}, uint16_t{CLAP_EVENT_MIDI}}) {
        ClapTestHost host;
        ClapInstance instance(host);
        ASSERT_TRUE(instance.start(kRate, 512));
        StereoBuffer buffer = noise(512, 9);
        ClapEventList events;
        ClapOutputEvents out;
        if (dialect == CLAP_EVENT_NOTE_ON)
            events.note(100, CLAP_EVENT_NOTE_ON, 72, 0.0);  // velocity 0 is still a note played
        else
            events.midi(100, 0x93, 72, 100);
        ASSERT_EQ(instance.process(buffer, 0, 512, &events, &out), CLAP_PROCESS_CONTINUE);
        EXPECT_EQ(instance.value(kRecord), 1.0);
        ASSERT_EQ(out.lastValues().count(kRecord), 1u);
        EXPECT_EQ(out.lastValues().at(kRecord), 1.0);

        events.clear();
        out.clear();
        if (dialect == CLAP_EVENT_NOTE_ON)
            events.note(10, CLAP_EVENT_NOTE_OFF, 72, 0.5);
        else
            events.midi(10, 0x83, 72, 0);
        ASSERT_EQ(instance.process(buffer, 0, 512, &events, &out), CLAP_PROCESS_CONTINUE);
        EXPECT_EQ(instance.value(kRecord), 0.0);
        ASSERT_EQ(out.lastValues().count(kRecord), 1u);
        EXPECT_EQ(out.lastValues().at(kRecord), 0.0);
    }
}

TEST(ClapProcess, ControllersMoveParametersAndTheHostIsToldTheirValues) {
    ClapTestHost host;
    ClapInstance instance(host);
    ASSERT_TRUE(instance.start(kRate, 256));
    StereoBuffer buffer = noise(256, 4);
    ClapEventList events;
    ClapOutputEvents out;
    events.midi(3, 0xB0, 1, 127);   // Length
    events.midi(9, 0xB5, 81, 127);  // Repeats, on another channel
    events.midi(20, 0xB0, 7, 127);  // bound to nothing
    ASSERT_EQ(instance.process(buffer, 0, 256, &events, &out), CLAP_PROCESS_CONTINUE);
    EXPECT_EQ(instance.value(kLength), 1.0);
    EXPECT_EQ(instance.value(kRepeats), 17.0);
    const auto told = out.lastValues();
    EXPECT_EQ(told.at(kLength), 1.0);
    EXPECT_EQ(told.at(kRepeats), 17.0);
    for (const PushedEvent& event : out.events()) EXPECT_LT(event.time, 256u);

    // A host list that takes nothing: the values are told in the next block.
    out.clear();
    out.capacity = 0;
    events.clear();
    events.midi(0, 0xB0, 2, 64);  // Mix
    ASSERT_EQ(instance.process(buffer, 0, 256, &events, &out), CLAP_PROCESS_CONTINUE);
    out.capacity = SIZE_MAX;
    events.clear();
    ASSERT_EQ(instance.process(buffer, 0, 256, &events, &out), CLAP_PROCESS_CONTINUE);
    ASSERT_EQ(out.lastValues().count(kMix), 1u);
    EXPECT_FLOAT_EQ(static_cast<float>(out.lastValues().at(kMix)), 64.0f / 127.0f);
}

}  // namespace
