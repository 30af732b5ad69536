// Reading big-endian numbers and MIDI variable-length quantities from a byte
// range without ever stepping past its end: every read checks what is left
// and throws a MidiFileError that says what was cut short and where.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

class MidiFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ByteCursor {
public:
    // `base` is the offset of `bytes` in the file, so errors can name file offsets.
    ByteCursor(std::span<const uint8_t> bytes, size_t base) : bytes_(bytes), base_(base) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    size_t remaining() const { return bytes_.size() - pos_; }
    size_t fileOffset() const { return base_ + pos_; }

    uint8_t peek(const char* what) const {
        need(1, what);
        return bytes_[pos_];
    }
    uint8_t byte(const char* what) {
        need(1, what);
        return bytes_[pos_++];
    }
    uint32_t bigEndian(int count, const char* what) {
        need(static_cast<size_t>(count), what);
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = (value << 8) | bytes_[pos_++];
        return value;
    }
    // At most four bytes of seven bits each, the last one without the top bit.
    uint32_t variableLength(const char* what) {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = byte(what);
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) return value;
        }
        fail(std::string(what) + " is a variable-length number longer than 4 bytes");
    }
    std::span<const uint8_t> take(size_t count, const char* what) {
        need(count, what);
        const auto part = bytes_.subspan(pos_, count);
        pos_ += count;
        return part;
    }
    void skip(size_t count, const char* what) { take(count, what); }

    [[noreturn]] void fail(const std::string& message) const {
        throw MidiFileError(message + " (at byte " + std::to_string(fileOffset()) + ")");
    }

private:
    void need(size_t count, const char* what) const {
        if (count > remaining())
            fail(std::string("truncated ") + what + ": needs " + std::to_string(count) +
                 " bytes, " + std::to_string(remaining()) + " left");
    }

    std::span<const uint8_t> bytes_;
    size_t base_;
    size_t pos_ = 0;
};
