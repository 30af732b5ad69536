// Placing MIDI events on the block grid: each lands in the block that holds
// its frame, with its offset in that block as deltaFrames, whatever the
// block size and also when a block boundary falls exactly on an event.
#include <gtest/gtest.h>

#include "tools/midi/EventSchedule.h"
#include "tools/midi/NoteNames.h"
#include "tools/midi/VstEventList.h"

namespace {

constexpr double kRate = 1000.0;  // one frame per millisecond keeps times exact

TimedMidiEvent controllerAt(int64_t frame, uint8_t value) {
    return {static_cast<double>(frame) / kRate, {0xB0, 1, value}, 3};
}

}  // namespace

TEST(EventSchedule, EventsLandInTheirBlockWithTheirOffset) {
    const std::vector<int64_t> frames{0, 1, 63, 64, 65, 511, 512, 512, 513, 1000, 1023, 1024, 1999};
    std::vector<TimedMidiEvent> events;
    for (size_t i = 0; i < frames.size(); ++i) events.push_back(controllerAt(frames[i], static_cast<uint8_t>(i)));
    const int64_t total = 2000;  // not a multiple of 64 or 512: the last block is short

    for (int blockFrames : {1, 64, 512}) {
        SCOPED_TRACE(blockFrames);
        EventSchedule schedule(events, kRate);
        VstEventList list(events.size());
        size_t seen = 0;
        for (int64_t start = 0; start < total; start += blockFrames) {
            const int frames_ = static_cast<int>(std::min<int64_t>(blockFrames, total - start));
            const auto block = schedule.takeBlock(start, frames_);
            const VstEvents* vst = list.fill(block, start);
            ASSERT_EQ(vst->numEvents, static_cast<int>(block.size()));
            for (int i = 0; i < vst->numEvents; ++i, ++seen) {
                const auto* midi = reinterpret_cast<const VstMidiEvent*>(vst->events[i]);
                EXPECT_EQ(start + midi->deltaFrames, frames[seen]);
                EXPECT_GE(midi->deltaFrames, 0);
                EXPECT_LT(midi->deltaFrames, frames_);
                EXPECT_EQ(midi->type, kVstMidiType);
                EXPECT_EQ(midi->byteSize, static_cast<int>(sizeof(VstMidiEvent)));
                EXPECT_EQ(static_cast<unsigned char>(midi->midiData[2]), seen);  // order kept
            }
        }
        EXPECT_EQ(seen, frames.size());
        EXPECT_EQ(schedule.delivered(), frames.size());
    }
}

TEST(EventSchedule, RoundsToTheNearestFrameAndPutsNoteOffsFirst) {
    std::vector<TimedMidiEvent> events;
    for (const auto& e : noteEvents({60, 0.0, 0.5})) events.push_back(e);
    events.push_back({0.5, {0xB0, 7, 1}, 3});
    for (const auto& e : noteEvents({62, 0.5, 0.7496})) events.push_back(e);
    events.push_back({0.5, {0x90, 60, 0}, 3});  // a note-on of velocity 0 ends a note too
    EventSchedule schedule(events, kRate);

    const auto& placed = schedule.events();
    ASSERT_EQ(placed.size(), 6u);
    EXPECT_EQ(placed[0].bytes[0], 0x90);
    // At frame 500: the two note endings first, in their order, then the rest in theirs.
    EXPECT_EQ(placed[1].bytes, (std::array<uint8_t, 3>{0x80, 60, 0}));
    EXPECT_EQ(placed[2].bytes, (std::array<uint8_t, 3>{0x90, 60, 0}));
    EXPECT_EQ(placed[3].bytes, (std::array<uint8_t, 3>{0xB0, 7, 1}));
    EXPECT_EQ(placed[4].bytes, (std::array<uint8_t, 3>{0x90, 62, kNoteVelocity}));
    EXPECT_EQ(placed[5].frame, 750);  // 749.6 rounds up

    // Events after the render's end are never handed out.
    EXPECT_EQ(schedule.takeBlock(0, 600).size(), 5u);
    EXPECT_EQ(schedule.delivered(), 5u);
}

TEST(NoteNames, NumbersAndNamesInThePluginsOctaveNumbering) {
    EXPECT_EQ(parseNote("60"), 60);
    EXPECT_EQ(parseNote("0"), 0);
    EXPECT_EQ(parseNote("127"), 127);
    EXPECT_EQ(parseNote("C5"), 60);
    EXPECT_EQ(parseNote("c5"), 60);
    EXPECT_EQ(parseNote("A4"), 57);
    EXPECT_EQ(parseNote("F#3"), 42);
    EXPECT_EQ(parseNote("Bb2"), 34);
    EXPECT_EQ(parseNote("C0"), 0);
    EXPECT_EQ(parseNote("G10"), 127);
    for (const char* bad : {"128", "-1", "", "C", "C#", "H3", "G#10", "Cb0", "C4x", "C 4", "1000"})
        EXPECT_EQ(parseNote(bad), -1) << bad;

    const NoteSpan span = parseNoteSpan("F#3@0.25-1e0");
    EXPECT_EQ(span.note, 42);
    EXPECT_DOUBLE_EQ(span.startSeconds, 0.25);
    EXPECT_DOUBLE_EQ(span.endSeconds, 1.0);
    for (const char* bad : {"C5", "C5@1", "C5@1-", "C5@1-0.5", "C5@1-1", "C5@-1-2", "X@0-1", "C5@0-1x",
                            "C5@ 0-1", "C5@nan-1", "C5@0-inf"})
        EXPECT_THROW(parseNoteSpan(bad), std::invalid_argument) << bad;
}
