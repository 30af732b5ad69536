#include "tools/render/AudioFormat.h"

#include <sndfile.h>

#include "tools/cli/CommandLine.h"

namespace {

struct FormatEntry {
    AudioFormat format;
    const char* name;
    const char* extensions[2];
    int sndfile;
};

constexpr FormatEntry kFormats[] = {
    {AudioFormat::Wav, "wav", {".wav", nullptr}, SF_FORMAT_WAVEX | SF_FORMAT_FLOAT},
    {AudioFormat::Flac, "flac", {".flac", nullptr}, SF_FORMAT_FLAC | SF_FORMAT_PCM_24},
    {AudioFormat::Ogg, "ogg", {".ogg", nullptr}, SF_FORMAT_OGG | SF_FORMAT_VORBIS},
    {AudioFormat::Aiff, "aiff", {".aiff", ".aif"}, SF_FORMAT_AIFF | SF_FORMAT_PCM_24},
};

const FormatEntry& entryOf(AudioFormat format) {
    for (const FormatEntry& entry : kFormats)
        if (entry.format == format) return entry;
    return kFormats[0];
}

}  // namespace

std::optional<AudioFormat> audioFormatNamed(const std::string& name) {
    for (const FormatEntry& entry : kFormats)
        if (name == entry.name) return entry.format;
    return std::nullopt;
}

std::optional<AudioFormat> audioFormatOfPath(const std::string& path) {
    for (const FormatEntry& entry : kFormats)
        for (const char* extension : entry.extensions)
            if (extension && cli::hasExtension(path, extension)) return entry.format;
    return std::nullopt;
}

AudioFormat chooseAudioFormat(const std::string& path, const std::string& formatName) {
    const std::optional<AudioFormat> byName = audioFormatOfPath(path);
    if (formatName.empty()) {
        if (!byName)
            throw cli::UsageError("cannot tell the format of " + path +
                                  ": name it .wav, .flac, .ogg, .aiff or .aif, or give --format");
        return *byName;
    }
    const std::optional<AudioFormat> chosen = audioFormatNamed(formatName);
    if (!chosen) throw cli::UsageError("--format " + formatName + " is none of wav, flac, ogg, aiff");
    if (byName && *byName != *chosen)
        throw cli::UsageError("--format " + formatName + " disagrees with the name " + path);
    return *chosen;
}

int sndfileFormat(AudioFormat format) { return entryOf(format).sndfile; }
