// The state stream a host keeps in its session: whatever an instance holds
// comes back bit for bit, and whatever else a host hands back (a cut-off or
// padded stream, damaged bytes, a newer plug-in's stream, values no instance
// holds) is refused without touching the state it was to be read into.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/StateStream.h"

namespace {

// A state with something different in every field, the odd values an
// instance can really hold among them (infinity, -0, values past 1).
PluginState randomState(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    PluginState state;
    std::memset(&state, 0, sizeof state);
    for (auto& program : state.values)
        for (float& v : program) v = unit(random);
    state.values[3][kMix] = std::numeric_limits<float>::infinity();
    state.values[4][kDivisionNum] = 1.5f;
    state.values[5][kOffset] = -0.0f;
    state.values[15][kPitch] = -3.0e30f;
    for (int program = 0; program < kNumPrograms; ++program) {
        const int length = static_cast<int>(random() % kProgramNameSize);  // 0 to 23 characters
        for (int i = 0; i < length; ++i) state.names[program][i] = static_cast<char>('!' + random() % 94);
    }
    state.currentProgram = static_cast<int32_t>(random() % kNumPrograms);
    for (auto& entry : state.controllerMap)
        entry = static_cast<int32_t>(random() % (kNumParams + 1)) - 1;
    for (auto& entry : state.noteProgramMap)
        entry = static_cast<int32_t>(random() % (kNumPrograms + 1)) - 1;
    return state;
}

bool sameBytes(const PluginState& a, const PluginState& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A target that a refused read must leave exactly as it was.
PluginState untouched() {
    PluginState state;
    std::memset(&state, 0xA5, sizeof state);
    return state;
}

// The checksum worked out bit by bit, independently of the table the stream uses.
uint32_t referenceCrc(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    ASSERT_LE(at + 4, bytes.size());
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t getU32(const std::vector<uint8_t>& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return v;
}

// Damage with the checksum made good again, as a careless editor of session
// files would leave it: only the field checks can catch it.
void resign(std::vector<uint8_t>& bytes) { putU32(bytes, bytes.size() - 4, referenceCrc(bytes.data(), bytes.size() - 4)); }

constexpr size_t kProgramsAt = 20;
constexpr size_t kProgramSize = kNumParams * 4 + kProgramNameSize;
constexpr size_t kCurrentProgramAt = kProgramsAt + kNumPrograms * kProgramSize;
constexpr size_t kControllerMapAt = kCurrentProgramAt + 4;
constexpr size_t kNoteMapAt = kControllerMapAt + 4 * MidiMaps::kSize;

bool refusedUntouched(const std::vector<uint8_t>& bytes) {
    PluginState target = untouched();
    const bool read = readState(bytes.data(), bytes.size(), target);
    return !read && sameBytes(target, untouched());
}

TEST(StateStream, RoundTripsEveryFieldBitForBitInTheDocumentedLayout) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const PluginState state = randomState(seed);
        const std::vector<uint8_t> bytes = writeState(state);
        ASSERT_EQ(bytes.size(), kStateStreamSize);
        PluginState read = untouched();
        ASSERT_TRUE(readState(bytes.data(), bytes.size(), read)) << "seed " << seed;
        for (int program = 0; program < kNumPrograms; ++program) {
            for (int p = 0; p < kNumParams; ++p)
                ASSERT_EQ(std::bit_cast<uint32_t>(read.values[program][p]),
                          std::bit_cast<uint32_t>(state.values[program][p]))
                    << "program " << program << " parameter " << p;
            EXPECT_STREQ(read.names[program], state.names[program]);
        }
        EXPECT_TRUE(sameBytes(read, state)) << "seed " << seed;
        EXPECT_EQ(writeState(read), bytes);

        // Little-endian whatever the machine, where the layout says.
        EXPECT_EQ(std::memcmp(bytes.data(), "ZRVS", 4), 0);
        EXPECT_EQ(getU32(bytes, 4), kStateVersion);
        EXPECT_EQ(getU32(bytes, 8), kStateStreamSize);
        EXPECT_EQ(getU32(bytes, 12), static_cast<uint32_t>(kNumPrograms));
        EXPECT_EQ(getU32(bytes, 16), static_cast<uint32_t>(kNumParams));
        EXPECT_EQ(getU32(bytes, kProgramsAt + 2 * kProgramSize + 4 * kGate),
                  std::bit_cast<uint32_t>(state.values[2][kGate]));
        EXPECT_EQ(std::memcmp(&bytes[kProgramsAt + 7 * kProgramSize + 4 * kNumParams], state.names[7],
                              strlen(state.names[7]) + 1),
                  0);
        EXPECT_EQ(getU32(bytes, kCurrentProgramAt), static_cast<uint32_t>(state.currentProgram));
        EXPECT_EQ(getU32(bytes, kControllerMapAt + 4 * 74), static_cast<uint32_t>(state.controllerMap[74]));
        EXPECT_EQ(getU32(bytes, kNoteMapAt + 4 * 127), static_cast<uint32_t>(state.noteProgramMap[127]));
        EXPECT_EQ(getU32(bytes, kStateStreamSize - 4), referenceCrc(bytes.data(), kStateStreamSize - 4));
    }
}

TEST(StateStream, RefusesEveryTruncationAndAnyStreamTooLong) {
    const std::vector<uint8_t> bytes = writeState(randomState(7));
    for (size_t size = 0; size < bytes.size(); ++size) {
        PluginState target = untouched();
        EXPECT_FALSE(readState(bytes.data(), size, target)) << "cut to " << size << " bytes";
        EXPECT_TRUE(sameBytes(target, untouched())) << "cut to " << size << " bytes";
    }
    PluginState target = untouched();
    EXPECT_FALSE(readState(nullptr, bytes.size(), target));

    std::vector<uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_TRUE(refusedUntouched(longer));
    // Even a longer stream that claims its length and carries a good checksum.
    longer = bytes;
    longer.insert(longer.end() - 4, 16, 0);
    putU32(longer, 8, static_cast<uint32_t>(longer.size()));
    resign(longer);
    EXPECT_TRUE(refusedUntouched(longer));
}

TEST(StateStream, RefusesRandomDamage) {
    const std::vector<uint8_t> bytes = writeState(randomState(11));
    std::mt19937 random(12);
    for (int trial = 0; trial < 3000; ++trial) {
        std::vector<uint8_t> damaged = bytes;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i) {
            const size_t at = random() % damaged.size();
            damaged[at] = static_cast<uint8_t>(damaged[at] ^ (1 + random() % 255));
        }
        EXPECT_TRUE(refusedUntouched(damaged)) << "trial " << trial;
    }
    // Every single bit, one at a time.
    for (size_t bit = 0; bit < bytes.size() * 8; ++bit) {
        std::vector<uint8_t> damaged = bytes;
        damaged[bit / 8] = static_cast<uint8_t>(damaged[bit / 8] ^ (1u << (bit % 8)));
        ASSERT_TRUE(refusedUntouched(damaged)) << "bit " << bit;
    }
}

TEST(StateStream, RefusesOtherVersionsAndStreamsNotOurs) {
    const std::vector<uint8_t> bytes = writeState(randomState(13));
    for (uint32_t version : {0u, 2u, 3u, 0xFFFFFFFFu}) {
        std::vector<uint8_t> other = bytes;
        putU32(other, 4, version);
        resign(other);
        EXPECT_TRUE(refusedUntouched(other)) << "version " << version;
    }
    std::vector<uint8_t> foreign = bytes;
    foreign[0] = 'X';
    resign(foreign);
    EXPECT_TRUE(refusedUntouched(foreign));
    // A layout with more parameters or programs is a later version's business.
    for (size_t countAt : {size_t{12}, size_t{16}}) {
        std::vector<uint8_t> counts = bytes;
        putU32(counts, countAt, getU32(counts, countAt) + 1);
        resign(counts);
        EXPECT_TRUE(refusedUntouched(counts)) << "count at " << countAt;
    }
}

TEST(StateStream, RefusesValuesNoInstanceHoldsEvenUnderAGoodChecksum) {
    const std::vector<uint8_t> bytes = writeState(randomState(17));
    const auto refusedWith = [&](size_t at, uint32_t v) {
        std::vector<uint8_t> changed = bytes;
        putU32(changed, at, v);
        resign(changed);
        return refusedUntouched(changed);
    };
    const uint32_t nan = std::bit_cast<uint32_t>(std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(refusedWith(kProgramsAt + 4 * kMix, nan));
    EXPECT_TRUE(refusedWith(kProgramsAt + 15 * kProgramSize + 4 * kFilterSpeedType, 0x7F800001u));
    for (int32_t program : {-1, 16, 1000, INT32_MIN})
        EXPECT_TRUE(refusedWith(kCurrentProgramAt, static_cast<uint32_t>(program))) << program;
    for (int32_t parameter : {-2, 41, 57, 63})
        EXPECT_TRUE(refusedWith(kControllerMapAt + 4 * 9, static_cast<uint32_t>(parameter))) << parameter;
    for (int32_t program : {-2, 16, 127})
        EXPECT_TRUE(refusedWith(kNoteMapAt + 4 * 60, static_cast<uint32_t>(program))) << program;

    // A name must end inside its 24 bytes.
    std::vector<uint8_t> unterminated = bytes;
    const size_t nameAt = kProgramsAt + 4 * kNumParams;
    ASSERT_LE(nameAt + kProgramNameSize, unterminated.size());
    std::fill_n(unterminated.begin() + nameAt, kProgramNameSize, 'x');
    resign(unterminated);
    EXPECT_TRUE(refusedUntouched(unterminated));

    // The limits themselves are fine.
    std::vector<uint8_t> limits = bytes;
    putU32(limits, kCurrentProgramAt, 15);
    putU32(limits, kControllerMapAt, 40);
    putU32(limits, kNoteMapAt, 15);
    resign(limits);
    PluginState read = untouched();
    ASSERT_TRUE(readState(limits.data(), limits.size(), read));
    EXPECT_EQ(read.currentProgram, 15);
    EXPECT_EQ(read.controllerMap[0], 40);
    EXPECT_EQ(read.noteProgramMap[0], 15);
}

TEST(StateStream, WritesWhatCannotBeReadBackAsTheNearestReadableState) {
    PluginState state = randomState(19);
    state.values[2][kOffset] = std::numeric_limits<float>::quiet_NaN();
    state.currentProgram = 16;
    state.controllerMap[5] = kCmdLearnKnob;  // a learn armed with a command index
    state.noteProgramMap[60] = 99;
    std::memset(state.names[9], 'n', kProgramNameSize);  // no terminator
    const std::vector<uint8_t> bytes = writeState(state);
    PluginState read = untouched();
    ASSERT_TRUE(readState(bytes.data(), bytes.size(), read));
    EXPECT_EQ(read.values[2][kOffset], kParameterTable[kOffset].freshValue);
    EXPECT_EQ(read.currentProgram, 0);
    EXPECT_EQ(read.controllerMap[5], MidiMaps::kUnbound);
    EXPECT_EQ(read.noteProgramMap[60], MidiMaps::kUnbound);
    EXPECT_EQ(std::string(read.names[9]), std::string(kProgramNameSize - 1, 'n'));
    EXPECT_EQ(read.values[2][kMix], state.values[2][kMix]);
}

}  // namespace
