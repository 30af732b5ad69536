// Reading Standard MIDI Files: where the messages land in time under a
// tempo map, and that every kind of damage ends in a MidiFileError.
#include <gtest/gtest.h>

#include <string>

#include "tests/tools/SmfBuilder.h"
#include "tools/midi/EventSchedule.h"
#include "tools/midi/SmfReader.h"

namespace {

std::vector<int64_t> framesOf(const Bytes& file, double sampleRate) {
    EventSchedule schedule(timedEvents(parseSmf(file)), sampleRate);
    std::vector<int64_t> frames;
    for (const ScheduledMidiEvent& event : schedule.events()) frames.push_back(event.frame);
    return frames;
}

std::string errorOf(const Bytes& file) {
    try {
        timedEvents(parseSmf(file));
    } catch (const MidiFileError& e) {
        return e.what();
    }
    return "(no error)";
}

Bytes oneTrack(const TrackBuilder& track, uint16_t division = 480) {
    return concat({smfHeader(0, 1, division), track.chunk()});
}

}  // namespace

TEST(SmfReader, FormatZeroFollowsTempoChangesAndRunningStatus) {
    // 480 ticks per quarter: 120 BPM until tick 960 (1 s), then 60 BPM.
    const Bytes file = oneTrack(TrackBuilder()
                                    .at(0, {0xFF, 0x03, 0x04, 'b', 'a', 's', 's'})  // track name, skipped
                                    .at(0, {0x90, 60, 100})
                                    .at(480, {60, 0})  // running status: note-on velocity 0
                                    .tempo(480, 1000000)
                                    .at(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7})  // sysex, skipped
                                    .at(480, {0xB1, 7, 99})
                                    .at(0, {0xC1, 5})  // program change: one data byte
                                    .at(240, {0xE1, 0, 64})
                                    .end());
    const SmfFile parsed = parseSmf(file);
    ASSERT_EQ(parsed.events.size(), 5u);
    EXPECT_EQ(parsed.events[1].bytes[0], 0x90);  // the running status was filled in
    EXPECT_EQ(parsed.events[3].size, 2);
    EXPECT_EQ(framesOf(file, 44100.0), (std::vector<int64_t>{0, 22050, 88200, 88200, 110250}));
}

TEST(SmfReader, FormatOneTakesTheTempoMapFromAnyTrackAndMergesByTime) {
    // Track 0: 100 BPM (0.6 s per quarter), 150 BPM from tick 960 (0.4 s per quarter).
    const Bytes tempoTrack = TrackBuilder().tempo(0, 600000).tempo(960, 400000).end().chunk();
    const Bytes notes = TrackBuilder().at(480, {0x90, 64, 90}).at(960, {0x80, 64, 0}).end().chunk();
    const Bytes controllers = TrackBuilder().at(960, {0xB0, 1, 127}).end().chunk();
    const Bytes file = concat({smfHeader(1, 3, 480), tempoTrack, notes, controllers});
    // 0.6 s, 1.2 s (controller), 1.2 + 0.4 s (note-off), at 48 kHz.
    EXPECT_EQ(framesOf(file, 48000.0), (std::vector<int64_t>{28800, 57600, 76800}));
    const SmfFile parsed = parseSmf(file);
    EXPECT_EQ(parsed.events[1].bytes[0], 0xB0);

    // An unknown chunk between tracks is skipped; an SMPTE division ignores tempo:
    // 25 frames of 40 ticks is 1000 ticks per second.
    const Bytes alien{'X', 'y', 'z', 'w', 0, 0, 0, 2, 1, 2};
    const uint16_t smpte = static_cast<uint16_t>((0x100 - 25) << 8 | 40);
    const Bytes timecode = TrackBuilder().tempo(0, 250000).at(1500, {0x90, 60, 1}).end().chunk();
    EXPECT_EQ(framesOf(concat({smfHeader(1, 1, smpte), alien, timecode}), 8000.0), (std::vector<int64_t>{12000}));
}

TEST(SmfReader, MalformedFilesGiveAReasonNotACrash) {
    const Bytes header = smfHeader(0, 1, 480);
    const struct {
        const char* what;
        Bytes file;
        const char* reason;
    } cases[] = {
        {"empty", {}, "truncated header"},
        {"not MIDI", {'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 1, 0xE0}, "not a MIDI file"},
        {"format 2", concat({smfHeader(2, 1, 480), TrackBuilder().end().chunk()}), "format 2"},
        {"missing track", concat({smfHeader(1, 2, 480), TrackBuilder().end().chunk()}), "after 1 of 2 tracks"},
        {"absurd chunk", concat({header, TrackBuilder().end().chunk(0xFFFFFFFF)}), "past the end"},
        {"long delta", oneTrack(TrackBuilder().raw({0x81, 0x81, 0x81, 0x81, 0x01, 0x90, 1, 1})), "longer than 4 bytes"},
        {"status after meta", oneTrack(TrackBuilder().at(0, {0x90, 60, 1}).tempo(0, 500000).at(0, {61, 1})), "without a status"},
        {"cut message", oneTrack(TrackBuilder().at(0, {0x90, 60})), "truncated channel message"},
        {"status as data", oneTrack(TrackBuilder().at(0, {0x90, 0x90, 60}).end()), "where a data byte"},
        {"absurd meta", oneTrack(TrackBuilder().at(0, {0xFF, 0x01, 0x8F, 0xFF, 0xFF, 0x7F, 'x'})), "truncated meta event data"},
        {"absurd sysex", oneTrack(TrackBuilder().at(0, {0xF0, 0x8F, 0xFF, 0x7F, 1})), "truncated system-exclusive data"},
        {"zero tempo", oneTrack(TrackBuilder().tempo(0, 0).end()), "tempo of 0"},
    };
    for (const auto& c : cases)
        EXPECT_NE(errorOf(c.file).find(c.reason), std::string::npos) << c.what << ": " << errorOf(c.file);
}

TEST(SmfReader, EveryCutCopyOfAFileFails) {
    const Bytes file = concat({smfHeader(1, 2, 96), TrackBuilder().tempo(0, 400000).end().chunk(),
                               TrackBuilder().at(0, {0x90, 60, 100}).at(96, {0x80, 60, 0}).at(0, {0xF0, 0x01, 0xF7})
                                   .end().chunk()});
    for (size_t length = 0; length < file.size(); ++length)
        EXPECT_NE(errorOf(Bytes(file.begin(), file.begin() + static_cast<long>(length))), "(no error)") << length;
}

TEST(SmfReader, ReadingAFileNamesItInErrors) {
    try {
        readMidiFile("/nonexistent/song.mid");
        ADD_FAILURE() << "read";
    } catch (const MidiFileError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/song.mid"), std::string::npos) << e.what();
    }
}
