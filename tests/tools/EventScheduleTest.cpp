// Placing MIDI events on the frame grid, and the note names of --note. (Their
// delivery block by block is the render's end-to-end test.)
#include <gtest/gtest.h>

#include "tools/midi/EventSchedule.h"
#include "tools/midi/NoteNames.h"

constexpr double kRate = 1000.0;  // one frame per millisecond keeps times exact

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
    for (const auto& [text, note] : {std::pair{"60", 60}, {"127", 127}, {"c5", 60}, {"F#3", 42}, {"Bb2", 34}, {"G10", 127}})
        EXPECT_EQ(parseNote(text), note) << text;
    for (const char* bad : {"128", "", "C#", "H3", "G#10", "Cb0", "C4x"})
        EXPECT_EQ(parseNote(bad), -1) << bad;

    const NoteSpan span = parseNoteSpan("F#3@0.25-1e0");
    EXPECT_EQ(span.note, 42);
    EXPECT_DOUBLE_EQ(span.startSeconds, 0.25);
    EXPECT_DOUBLE_EQ(span.endSeconds, 1.0);
    for (const char* bad : {"C5", "C5@1-", "C5@1-1", "C5@-1-2", "X@0-1", "C5@0-1x", "C5@nan-1"})
        EXPECT_THROW(parseNoteSpan(bad), std::invalid_argument) << bad;
}
