// The command line of zarvoline-render, checked as far as it can be without
// the plug-in: numbers are numbers in range, notes are notes. Names of
// programs and parameters are resolved later, against the loaded plug-in.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/cli/CommandLine.h"
#include "tools/midi/NoteNames.h"
#include "tools/render/AudioFormat.h"

struct ParameterSetting {
    std::string parameter;  // a name, or an index written as digits
    float value = 0.0f;     // normalised, 0 to 1
};

struct RenderOptions {
    bool info = false;
    std::string pluginPath;
    std::optional<std::string> program;  // a number, or a name
    std::vector<ParameterSetting> settings;
    double tempo = 120.0;
    int blockFrames = 512;
    double tailSeconds = 0.0;
    std::string plotPath;
    std::string midiPath;
    std::vector<NoteSpan> notes;
    std::string inputPath;
    std::string outputPath;
    AudioFormat outputFormat = AudioFormat::Wav;
};

constexpr double kMinTempo = 1.0;
constexpr double kMaxTempo = 999.0;
constexpr int kMaxBlockFrames = 65536;
constexpr double kMaxTailSeconds = 3600.0;

// Throws UsageError with a one-line reason.
RenderOptions parseOptions(const cli::Arguments& arguments, const std::string& defaultPlugin);

// The --help text.
std::string renderUsage(const std::string& defaultPlugin);
