// zarvoline-panel: a picture of the plug-in's window as a host shows it,
// with a factory program loaded and, optionally, an input played through it
// first so that the loop scope and the displays show a running effect.
//
// The plug-in is built into this program and its editor draws on a window
// without a screen: the same drawing code the real window uses, so no X
// server is needed.
//
//   zarvoline-panel [--program N|NAME] [--input FILE] [--tempo BPM] [--] OUTPUT.png
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "editor/StutterEditor.h"
#include "plugin/StutterEffectEdit.h"
#include "tools/cli/CommandLine.h"
#include "tools/cli/OutputFile.h"
#include "tools/render/RenderError.h"
#include "tools/render/RenderHost.h"
#include "tools/render/SoundFile.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr int kBlockFrames = 512;
constexpr double kDefaultRate = 44100.0;
// Hosts call the editor's idle about 30 times a second.
constexpr double kIdlesPerSecond = 30.0;

struct Options {
    std::string program = "0";
    std::string input;
    double tempo = 120.0;
    std::string output;
};

const cli::Program kProgram{"zarvoline-panel",
    "usage: zarvoline-panel [--program N|NAME] [--input FILE] [--tempo BPM] [--] OUTPUT.png\n"
    "\n"
    "Draws the plug-in's window as a host shows it, off screen (no X server needed),\n"
    "into a PNG picture that appears only once it is whole.\n"
    "\n"
    "  --program N|NAME   the program by number (0 is the first) or by its exact name\n"
    "  --input FILE       an audio file played through the program first, so that the\n"
    "                     loop scope and the displays show it\n"
    "  --tempo BPM        the host's tempo while it plays, 1...999 (default 120)\n"
    "  --help, --version  this text, or the version; \"--\" ends the options\n"
    "\n"
    "Exit status: 0 done, 1 failed (one line on standard error), 2 a command line\n"
    "that makes no sense.\n"};

Options parse(const cli::Arguments& arguments) {
    Options options;
    std::vector<std::string> outputs;
    const std::vector<std::string>& args = arguments.leading;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--program" && hasValue) options.program = args[++i];
        else if (arg == "--input" && hasValue) options.input = args[++i];
        else if (arg == "--tempo" && hasValue) {
            char* end = nullptr;
            options.tempo = std::strtod(args[++i].c_str(), &end);
            if (*end || !(options.tempo >= 1.0 && options.tempo <= 999.0))
                throw cli::UsageError("tempo must be 1 to 999 BPM");
        } else if (cli::looksLikeOption(arg)) throw cli::UsageError("unknown option or missing value: " + arg);
        else outputs.push_back(arg);
    }
    outputs.insert(outputs.end(), arguments.operands.begin(), arguments.operands.end());
    if (outputs.size() != 1) throw cli::UsageError(outputs.empty() ? "no output file" : "one output file only");
    options.output = outputs[0];
    cli::checkPictureName("the picture", options.output);
    return options;
}

// The instance a host would get from the library's entry point.
AEffect* createHere(audioMasterCallback audioMaster) {
    return (new StutterEffectEdit(audioMaster))->getAeffect();
}

VstIntPtr call(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
               void* ptr = nullptr, float opt = 0.0f) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

void selectProgram(AEffect* effect, const std::string& program) {
    for (int i = 0; i < effect->numPrograms; ++i) {
        char name[64] = {};  // hosts give at least 24 bytes; ours writes fewer
        call(effect, effGetProgramNameIndexed, i, 0, name);
        if (program == name || program == std::to_string(i)) {
            call(effect, effSetProgram, 0, i);
            return;
        }
    }
    throw RenderError("no program \"" + program + "\"");
}

// Plays the file through the instance block by block with the transport
// running, giving the editor its idle calls as a host would.
void play(AEffect* effect, RenderHost& host, SoundFileReader& input) {
    std::vector<float> inLeft(kBlockFrames), inRight(kBlockFrames);
    std::vector<float> outLeft(kBlockFrames), outRight(kBlockFrames);
    float* inputs[] = {inLeft.data(), inRight.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    const double framesPerIdle = input.sampleRate() / kIdlesPerSecond;
    double sinceIdle = 0.0;
    int64_t frame = 0;
    for (int got; (got = input.read(inLeft.data(), inRight.data(), kBlockFrames)) > 0; frame += got) {
        host.transport().moveTo(frame);
        effect->processReplacing(effect, inputs, outputs, got);
        if ((sinceIdle += got) >= framesPerIdle) {
            call(effect, effEditIdle);
            sinceIdle -= framesPerIdle;
        }
    }
}

void drawPanel(const Options& options) {
    cli::OutputFile output(options.output);
    std::unique_ptr<SoundFileReader> input;
    if (!options.input.empty()) input = std::make_unique<SoundFileReader>(options.input);
    const double rate = input ? input->sampleRate() : kDefaultRate;

    RenderHost host(rate, options.tempo, kBlockFrames);
    // Closed however the picture ends, as a host closes what it opened.
    const std::unique_ptr<AEffect, void (*)(AEffect*)> effect(
        host.instantiate(createHere), [](AEffect* e) { call(e, effClose); });
    auto* plugin = static_cast<StutterEffectEdit*>(effect->object);
    StutterEditor* editor = plugin->stutterEditor();
    editor->setWindowFactory(createHeadlessWindow);

    call(effect.get(), effOpen);
    call(effect.get(), effSetSampleRate, 0, 0, nullptr, static_cast<float>(rate));
    call(effect.get(), effSetBlockSize, 0, kBlockFrames);
    selectProgram(effect.get(), options.program);
    call(effect.get(), effEditOpen, 0, 0, &host);  // any parent: the window has no screen
    call(effect.get(), effMainsChanged, 0, 1);
    if (input) play(effect.get(), host, *input);
    call(effect.get(), effEditIdle);

    const bool saved = savePicture(*editor->getFrame(), output.writingPath().c_str());
    call(effect.get(), effMainsChanged, 0, 0);
    call(effect.get(), effEditClose);
    if (!saved) throw RenderError("cannot write " + options.output);
    output.commit();
}

}  // namespace

int main(int argc, char** argv) {
    return cli::run(kProgram, argc, argv, [](const cli::Arguments& arguments) {
        drawPanel(parse(arguments));
        return cli::kExitSuccess;
    });
}
