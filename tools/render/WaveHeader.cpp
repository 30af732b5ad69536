#include "tools/render/WaveHeader.h"

#include <cstdint>
#include <fstream>

namespace {

constexpr size_t kHeaderBytes = 512;  // libsndfile's whole header, and more
constexpr uint32_t kExtensibleFmtSize = 40;
constexpr uint16_t kExtensibleExtension = 22;

uint32_t littleEndian(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

void putLittleEndian(std::string& bytes, size_t at, int count, uint32_t value) {
    for (int i = 0; i < count; ++i, value >>= 8) bytes[at + i] = static_cast<char>(value & 0xFF);
}

}  // namespace

bool addFloatExtensionSize(const std::string& path) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    std::string header(kHeaderBytes, '\0');
    file.read(header.data(), kHeaderBytes);
    header.resize(static_cast<size_t>(file.gcount()));
    if (!file && !file.eof()) return false;
    file.clear();
    if (header.size() < 12 || header.compare(0, 4, "RIFF") != 0 || header.compare(8, 4, "WAVE") != 0) return true;

    size_t fmt = std::string::npos, pad = std::string::npos;
    for (size_t at = 12; at + 8 <= header.size() && header.compare(at, 4, "data") != 0;) {
        if (header.compare(at, 4, "fmt ") == 0) fmt = at;
        if (header.compare(at, 4, "PAD ") == 0 && fmt != std::string::npos) pad = at;
        const uint32_t size = littleEndian(header, at + 4, 4);
        at += 8 + size + (size & 1);
    }
    if (fmt == std::string::npos || pad == std::string::npos || littleEndian(header, fmt + 4, 4) != kExtensibleFmtSize ||
        littleEndian(header, fmt + 24, 2) != kExtensibleExtension)
        return true;
    const uint32_t padSize = littleEndian(header, pad + 4, 4);
    if (padSize < 2) return true;

    // Two bytes in after the fmt chunk, two bytes of padding out: from the
    // rest of the padding on, every byte keeps its place.
    const size_t fmtEnd = fmt + 8 + kExtensibleFmtSize;
    std::string fixed = header.substr(0, fmtEnd) + std::string(2, '\0') + header.substr(fmtEnd, pad + 8 - fmtEnd);
    putLittleEndian(fixed, fmt + 4, 4, kExtensibleFmtSize + 2);
    putLittleEndian(fixed, fmt + 24, 2, kExtensibleExtension + 2);
    putLittleEndian(fixed, pad + 2 + 4, 4, padSize - 2);
    file.seekp(0);
    file.write(fixed.data(), static_cast<std::streamsize>(fixed.size()));
    file.flush();
    return static_cast<bool>(file);
}
