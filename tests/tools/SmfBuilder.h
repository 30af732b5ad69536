// Standard MIDI File bytes for tests, put together chunk by chunk, so that
// both well-formed and deliberately broken files can be written.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<uint8_t>;

inline void appendBigEndian(Bytes& out, uint32_t value, int count) {
    for (int shift = 8 * (count - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

inline Bytes variableLength(uint32_t value) {
    Bytes groups{static_cast<uint8_t>(value & 0x7F)};
    while (value >>= 7) groups.insert(groups.begin(), static_cast<uint8_t>(0x80 | (value & 0x7F)));
    return groups;
}

inline Bytes smfHeader(int format, int tracks, uint16_t division) {
    Bytes out{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    appendBigEndian(out, static_cast<uint32_t>(format), 2);
    appendBigEndian(out, static_cast<uint32_t>(tracks), 2);
    appendBigEndian(out, division, 2);
    return out;
}

// A track body is a list of events, each written as delta time then bytes.
class TrackBuilder {
public:
    TrackBuilder& at(uint32_t delta, std::initializer_list<uint8_t> bytes) {
        const Bytes time = variableLength(delta);
        body_.insert(body_.end(), time.begin(), time.end());
        body_.insert(body_.end(), bytes);
        return *this;
    }
    TrackBuilder& tempo(uint32_t delta, uint32_t microsPerQuarter) {
        return at(delta, {0xFF, 0x51, 0x03, static_cast<uint8_t>(microsPerQuarter >> 16),
                          static_cast<uint8_t>(microsPerQuarter >> 8), static_cast<uint8_t>(microsPerQuarter)});
    }
    TrackBuilder& end(uint32_t delta = 0) { return at(delta, {0xFF, 0x2F, 0x00}); }
    TrackBuilder& raw(std::initializer_list<uint8_t> bytes) {
        body_.insert(body_.end(), bytes);
        return *this;
    }
    // The MTrk chunk; `declaredLength` overrides the true length.
    Bytes chunk(int64_t declaredLength = -1) const {
        Bytes out{'M', 'T', 'r', 'k'};
        appendBigEndian(out, declaredLength < 0 ? static_cast<uint32_t>(body_.size())
                                                : static_cast<uint32_t>(declaredLength), 4);
        out.insert(out.end(), body_.begin(), body_.end());
        return out;
    }

private:
    Bytes body_;
};

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}
