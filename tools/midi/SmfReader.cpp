#include "tools/midi/SmfReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "tools/midi/TempoMap.h"

namespace {

constexpr uint8_t kMetaEvent = 0xFF;
constexpr uint8_t kSysEx = 0xF0;
constexpr uint8_t kSysExEscape = 0xF7;
constexpr uint8_t kMetaTempo = 0x51;

std::string hexByte(uint8_t b) {
    const char* digits = "0123456789ABCDEF";
    return std::string("0x") + digits[b >> 4] + digits[b & 0xF];
}

bool isFourCc(std::span<const uint8_t> id, const char* text) {
    return std::equal(id.begin(), id.end(), text);
}

void checkDivision(uint16_t division, ByteCursor& cursor) {
    if (division & 0x8000) {
        const int framesPerSecond = -static_cast<int8_t>(division >> 8);
        if (framesPerSecond != 24 && framesPerSecond != 25 && framesPerSecond != 29 &&
            framesPerSecond != 30)
            cursor.fail("SMPTE division with " + std::to_string(framesPerSecond) +
                        " frames per second");
        if ((division & 0xFF) == 0) cursor.fail("SMPTE division with 0 ticks per frame");
    } else if (division == 0) {
        cursor.fail("division of 0 ticks per quarter note");
    }
}

// The tracks of one file being read: running status and the running tick
// belong to the track, what was found to the file.
class TrackReader {
public:
    TrackReader(ByteCursor cursor, SmfFile& file) : cursor_(cursor), file_(file) {}

    void read() {
        while (!cursor_.atEnd()) {
            tick_ += cursor_.variableLength("delta time");
            if (!readEvent()) return;  // End of Track
        }
    }

private:
    // False at the End of Track meta event.
    bool readEvent() {
        const uint8_t first = cursor_.peek("event");
        if (first == kMetaEvent) return readMeta();
        if (first == kSysEx || first == kSysExEscape) {
            cursor_.byte("system-exclusive status");
            cursor_.skip(cursor_.variableLength("system-exclusive length"), "system-exclusive data");
            runningStatus_ = 0;  // system-exclusive messages cancel running status
            return true;
        }
        readChannelMessage();
        return true;
    }

    bool readMeta() {
        cursor_.byte("meta event");
        const uint8_t type = cursor_.byte("meta event type");
        const uint32_t length = cursor_.variableLength("meta event length");
        const auto data = cursor_.take(length, "meta event data");
        runningStatus_ = 0;  // so do meta events
        if (type == 0x2F) return false;
        if (type == kMetaTempo) {
            if (length != 3) cursor_.fail("tempo event with " + std::to_string(length) + " bytes");
            const uint32_t micros = (uint32_t{data[0]} << 16) | (uint32_t{data[1]} << 8) | data[2];
            if (micros == 0) cursor_.fail("tempo of 0 microseconds per quarter note");
            file_.tempos.push_back({tick_, micros});
        }
        return true;
    }

    void readChannelMessage() {
        SmfChannelEvent event;
        event.tick = tick_;
        uint8_t status = cursor_.peek("event");
        if (status & 0x80) {
            cursor_.byte("status");
            if (status >= 0xF0) cursor_.fail("unexpected status byte " + hexByte(status));
            runningStatus_ = status;
        } else if (runningStatus_ == 0) {
            cursor_.fail("data byte " + hexByte(status) + " without a status (running status unset)");
        } else {
            status = runningStatus_;
        }
        event.bytes[0] = status;
        event.size = static_cast<uint8_t>(1 + channelMessageDataBytes(status));
        for (int i = 1; i < event.size; ++i) {
            const uint8_t data = cursor_.byte("channel message");
            if (data & 0x80) cursor_.fail("status byte " + hexByte(data) + " where a data byte belongs");
            event.bytes[i] = data;
        }
        file_.events.push_back(event);
    }

    ByteCursor cursor_;
    SmfFile& file_;
    uint64_t tick_ = 0;
    uint8_t runningStatus_ = 0;
};

}  // namespace

SmfFile parseSmf(std::span<const uint8_t> bytes) {
    SmfFile file;
    ByteCursor cursor(bytes, 0);
    if (!isFourCc(cursor.take(4, "header"), "MThd")) cursor.fail("not a MIDI file (no MThd header)");
    const uint32_t headerLength = cursor.bigEndian(4, "header length");
    if (headerLength < 6) cursor.fail("header length " + std::to_string(headerLength) + " below 6");
    ByteCursor header(cursor.take(headerLength, "header"), 8);
    file.format = static_cast<int>(header.bigEndian(2, "format"));
    file.trackCount = static_cast<int>(header.bigEndian(2, "track count"));
    file.division = static_cast<uint16_t>(header.bigEndian(2, "division"));
    if (file.format > 1) cursor.fail("MIDI file format " + std::to_string(file.format) +
                                     " (only formats 0 and 1 are read)");
    checkDivision(file.division, header);

    std::vector<std::vector<SmfChannelEvent>> tracks;
    for (int found = 0; found < file.trackCount;) {
        if (cursor.atEnd())
            cursor.fail("file ends after " + std::to_string(found) + " of " +
                        std::to_string(file.trackCount) + " tracks");
        const auto id = cursor.take(4, "chunk type");
        const uint32_t length = cursor.bigEndian(4, "chunk length");
        if (length > cursor.remaining())
            cursor.fail("chunk length " + std::to_string(length) + " past the end of the file");
        const size_t base = cursor.fileOffset();
        const auto body = cursor.take(length, "chunk");
        if (!isFourCc(id, "MTrk")) continue;  // unknown chunks are skipped
        SmfFile track;
        TrackReader(ByteCursor(body, base), track).read();
        tracks.push_back(std::move(track.events));
        file.tempos.insert(file.tempos.end(), track.tempos.begin(), track.tempos.end());
        ++found;
    }
    // Merge the tracks: by time, and in track order at the same time.
    for (auto& track : tracks) file.events.insert(file.events.end(), track.begin(), track.end());
    auto byTick = [](const auto& a, const auto& b) { return a.tick < b.tick; };
    std::stable_sort(file.events.begin(), file.events.end(), byTick);
    std::stable_sort(file.tempos.begin(), file.tempos.end(), byTick);
    return file;
}

std::vector<TimedMidiEvent> timedEvents(const SmfFile& file) {
    const TempoMap tempoMap(file.division, file.tempos);
    std::vector<TimedMidiEvent> timed;
    timed.reserve(file.events.size());
    for (const SmfChannelEvent& event : file.events)
        timed.push_back({tempoMap.seconds(event.tick), event.bytes, event.size});
    return timed;
}

std::vector<TimedMidiEvent> readMidiFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw MidiFileError("cannot read MIDI file " + path);
    std::vector<uint8_t> bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
        if (bytes.size() > kMaxMidiFileBytes)
            throw MidiFileError("MIDI file " + path + " is larger than 64 MB");
    }
    try {
        return timedEvents(parseSmf(bytes));
    } catch (const MidiFileError& e) {
        throw MidiFileError("MIDI file " + path + ": " + e.what());
    }
}
