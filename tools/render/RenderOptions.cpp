#include "tools/render/RenderOptions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tools/render/RenderError.h"

namespace {

// A whole string that is one finite number.
bool parseNumber(const std::string& text, double& value) {
    if (text.empty() || text.find_first_of(" \t\n") != std::string::npos) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

double numberIn(const std::string& option, const std::string& text, double low, double high) {
    double value = 0.0;
    if (!parseNumber(text, value))
        throw UsageError(option + " needs a number, got \"" + text + "\"");
    if (value < low || value > high) {
        char range[64];
        std::snprintf(range, sizeof range, "%g...%g", low, high);
        throw UsageError(option + " " + text + " is outside " + range);
    }
    return value;
}

ParameterSetting parseSetting(const std::string& text) {
    const size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0)
        throw UsageError("--set needs NAME=VALUE, got \"" + text + "\"");
    ParameterSetting setting;
    setting.parameter = text.substr(0, equals);
    const std::string valueText = text.substr(equals + 1);
    double value = 0.0;
    if (!parseNumber(valueText, value))
        throw UsageError("--set " + setting.parameter + ": \"" + valueText + "\" is not a number");
    if (value < 0.0 || value > 1.0)
        throw UsageError("--set " + setting.parameter + ": " + valueText +
                         " is outside 0...1 (values are normalised)");
    setting.value = static_cast<float>(value);
    return setting;
}

bool takesValue(const std::string& name) {
    for (const char* known : {"--plugin", "--program", "--set", "--tempo", "--block", "--tail",
                              "--plot", "--midi", "--note", "--format"})
        if (name == known) return true;
    return false;
}

// Applies one option that takes a value.
void applyValueOption(RenderOptions& options, std::string& formatName, const std::string& name,
                      const std::string& value) {
    if (value.empty()) throw UsageError(name + " needs a value");
    if (name == "--plugin") {
        options.pluginPath = value;
    } else if (name == "--program") {
        options.program = value;
    } else if (name == "--set") {
        options.settings.push_back(parseSetting(value));
    } else if (name == "--tempo") {
        options.tempo = numberIn(name, value, kMinTempo, kMaxTempo);
    } else if (name == "--block") {
        const double frames = numberIn(name, value, 1, kMaxBlockFrames);
        if (frames != std::floor(frames)) throw UsageError("--block needs a whole number of frames");
        options.blockFrames = static_cast<int>(frames);
    } else if (name == "--tail") {
        options.tailSeconds = numberIn(name, value, 0, kMaxTailSeconds);
    } else if (name == "--plot") {
        cli::checkPictureName("the picture", value);
        options.plotPath = value;
    } else if (name == "--midi") {
        options.midiPath = value;
    } else if (name == "--note") {
        try {
            options.notes.push_back(parseNoteSpan(value));
        } catch (const std::invalid_argument& e) {
            throw UsageError(std::string("--note: ") + e.what());
        }
    } else if (name == "--format") {
        formatName = value;
    } else {
        throw UsageError("unknown option " + name);
    }
}

}  // namespace

RenderOptions parseOptions(const cli::Arguments& arguments, const std::string& defaultPlugin) {
    RenderOptions options;
    options.pluginPath = defaultPlugin;
    std::string formatName;
    std::vector<std::string> files;
    const std::vector<std::string>& args = arguments.leading;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--info") {
            options.info = true;
        } else if (arg.size() > 2 && arg.starts_with("--")) {
            const size_t equals = arg.find('=');
            const std::string name = arg.substr(0, equals);
            if (equals != std::string::npos) {
                applyValueOption(options, formatName, name, arg.substr(equals + 1));
            } else if (!takesValue(name)) {
                throw UsageError("unknown option " + name);
            } else if (i + 1 < args.size()) {
                applyValueOption(options, formatName, name, args[++i]);
            } else {
                throw UsageError(name + " needs a value");
            }
        } else if (cli::looksLikeOption(arg)) {
            throw UsageError("unknown option " + arg);
        } else {
            files.push_back(arg);
        }
    }
    files.insert(files.end(), arguments.operands.begin(), arguments.operands.end());
    if (options.info) {
        if (!files.empty()) throw UsageError("--info takes no files");
        return options;
    }
    if (files.size() != 2)
        throw UsageError("expected INPUT OUTPUT, got " + std::to_string(files.size()) +
                         (files.size() == 1 ? " file" : " files"));
    options.inputPath = files[0];
    options.outputPath = files[1];
    options.outputFormat = chooseAudioFormat(options.outputPath, formatName);
    return options;
}

std::string renderUsage(const std::string& defaultPlugin) {
    char text[4096];
    std::snprintf(text, sizeof text,
        "usage: zarvoline-render [options] [--] INPUT OUTPUT\n"
        "       zarvoline-render --info [--plugin PATH]\n"
        "\n"
        "Renders an audio file through a VST 2 effect, block by block, as a host would.\n"
        "INPUT is a mono or stereo file libsndfile reads (mono is spread to both\n"
        "channels); its sample rate is the render's. OUTPUT is written in stereo at the\n"
        "same rate, in the format its name says: .wav (32-bit float), .flac (24-bit),\n"
        ".ogg (Vorbis) or .aiff/.aif (24-bit); it is never the input file. It appears\n"
        "only once it is whole.\n"
        "\n"
        "  --plugin PATH      the VST 2 library (default %s)\n"
        "  --program N|NAME   program by number (0 is the first) or by its exact name\n"
        "  --set NAME=VALUE   parameter by name or number, VALUE normalised 0...1;\n"
        "                     repeatable, applied after the program\n"
        "  --tempo BPM        the host's tempo, %g...%g (default 120); the transport plays\n"
        "                     from bar 1 in 4/4\n"
        "  --block FRAMES     frames per processing block, 1...%d (default 512)\n"
        "  --tail SECONDS     silence fed after the input, to hear the effect ring out\n"
        "                     (default 0)\n"
        "  --midi FILE        MIDI events from a Standard MIDI File (format 0 or 1); its\n"
        "                     own tempo map places them in time\n"
        "  --note NOTE@START-END\n"
        "                     a note held from START to END seconds; NOTE is 0...127\n"
        "                     or a name such as C5, F#3, Bb2, numbered as the plug-in\n"
        "                     names notes: A4 = 57, C5 = 60 (repeatable)\n"
        "  --plot FILE.png    a picture of the input and output waveforms\n"
        "  --format FORMAT    wav, flac, ogg or aiff, for an OUTPUT named otherwise\n"
        "  --info             print the plug-in's parameters and programs, render nothing\n"
        "  --help, --version  this text, or the version; \"--\" ends the options\n"
        "\n"
        "Exit status: 0 done, 1 failed (one line on standard error), 2 a command line\n"
        "that makes no sense.\n",
        defaultPlugin.c_str(), kMinTempo, kMaxTempo, kMaxBlockFrames);
    return text;
}
