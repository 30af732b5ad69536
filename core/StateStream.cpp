#include "core/StateStream.h"

#include <array>
#include <bit>
#include <cstring>

namespace {

constexpr uint8_t kMagic[4] = {'Z', 'R', 'V', 'S'};
constexpr size_t kChecksumSize = 4;

// CRC-32 with the reflected polynomial 0xEDB88320: every burst of damage up
// to 32 bits long is caught, and random damage slips through once in 2^32.
constexpr std::array<uint32_t, 256> makeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr auto kCrcTable = makeCrcTable();

uint32_t crc32(const uint8_t* data, size_t size) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) c = kCrcTable[(c ^ data[i]) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

class Writer {
public:
    Writer() { bytes_.reserve(kStateStreamSize); }
    void u32(uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(v >> shift));
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void f32(float v) { u32(std::bit_cast<uint32_t>(v)); }
    void raw(const void* data, size_t size) {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    std::vector<uint8_t>& bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

// Reads from a stream whose length was checked once, up front.
class Reader {
public:
    explicit Reader(const uint8_t* data) : p_(data) {}
    uint32_t u32() {
        uint32_t v = 0;
        for (int shift = 0; shift < 32; shift += 8) v |= static_cast<uint32_t>(*p_++) << shift;
        return v;
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    float f32() { return std::bit_cast<float>(u32()); }
    void raw(void* out, size_t size) {
        std::memcpy(out, p_, size);
        p_ += size;
    }

private:
    const uint8_t* p_;
};

bool inRange(int32_t v, int32_t first, int32_t last) { return v >= first && v <= last; }
bool isMapEntry(int32_t v, int32_t count) { return v == MidiMaps::kUnbound || inRange(v, 0, count - 1); }

void writeName(Writer& out, const char* name) {
    char padded[kProgramNameSize] = {};
    const size_t length = strnlen(name, kProgramNameSize - 1);
    std::memcpy(padded, name, length);
    out.raw(padded, sizeof padded);
}

}  // namespace

std::vector<uint8_t> writeState(const PluginState& state) {
    Writer out;
    out.raw(kMagic, sizeof kMagic);
    out.u32(kStateVersion);
    out.u32(static_cast<uint32_t>(kStateStreamSize));
    out.u32(kNumPrograms);
    out.u32(kNumParams);
    for (int program = 0; program < kNumPrograms; ++program) {
        for (int p = 0; p < kNumParams; ++p) {
            const float v = state.values[program][p];
            out.f32(v == v ? v : kParameterTable[p].freshValue);
        }
        writeName(out, state.names[program]);
    }
    out.i32(inRange(state.currentProgram, 0, kNumPrograms - 1) ? state.currentProgram : 0);
    for (const int32_t entry : state.controllerMap)
        out.i32(isMapEntry(entry, kNumParams) ? entry : MidiMaps::kUnbound);
    for (const int32_t entry : state.noteProgramMap)
        out.i32(isMapEntry(entry, kNumPrograms) ? entry : MidiMaps::kUnbound);
    std::vector<uint8_t>& bytes = out.bytes();
    out.u32(crc32(bytes.data(), bytes.size()));
    return std::move(bytes);
}

bool readState(const uint8_t* data, size_t size, PluginState& state) {
    // The whole frame first: right length, ours, this version, undamaged.
    if (data == nullptr || size != kStateStreamSize) return false;
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0) return false;
    Reader in(data + sizeof kMagic);
    if (in.u32() != kStateVersion || in.u32() != kStateStreamSize) return false;
    if (in.u32() != kNumPrograms || in.u32() != kNumParams) return false;
    Reader checksum(data + size - kChecksumSize);
    if (checksum.u32() != crc32(data, size - kChecksumSize)) return false;

    // Then every field, into a copy that replaces state only when all are good.
    PluginState read;
    for (int program = 0; program < kNumPrograms; ++program) {
        for (float& v : read.values[program]) {
            v = in.f32();
            if (v != v) return false;  // no instance ever stores a NaN
        }
        char* name = read.names[program];
        in.raw(name, kProgramNameSize);
        const size_t length = strnlen(name, kProgramNameSize);
        if (length == kProgramNameSize) return false;  // no terminator
        std::memset(name + length, 0, kProgramNameSize - length);
    }
    read.currentProgram = in.i32();
    if (!inRange(read.currentProgram, 0, kNumPrograms - 1)) return false;
    for (int32_t& entry : read.controllerMap)
        if (!isMapEntry(entry = in.i32(), kNumParams)) return false;
    for (int32_t& entry : read.noteProgramMap)
        if (!isMapEntry(entry = in.i32(), kNumPrograms)) return false;
    state = read;
    return true;
}
