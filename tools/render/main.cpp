// zarvoline-render: an offline host for VST 2 effects. Renders an audio file
// through a plug-in (Zarvoline unless told otherwise) with a program,
// parameter values, a tempo and MIDI notes, or shows what a host sees of it.
#include <cstdio>
#include <exception>
#include <span>
#include <string>

#include "tools/render/HostView.h"
#include "tools/render/LoadedPlugin.h"
#include "tools/render/Render.h"
#include "tools/render/RenderError.h"
#include "tools/render/RenderOptions.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr double kInfoSampleRate = 44100.0;

// Errors are one line, whatever the message carries (a loader's reason
// may span several).
void printError(const std::string& message, const char* hint = "") {
    std::string line = message;
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    std::fprintf(stderr, "zarvoline-render: %s%s\n", line.c_str(), hint);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string defaultPlugin = ZARVOLINE_DEFAULT_PLUGIN;
    try {
        const RenderOptions options =
            parseOptions(std::span<char* const>(argv + 1, static_cast<size_t>(argc - 1)), defaultPlugin);
        if (options.help) {
            printUsage(stdout, defaultPlugin);
        } else if (options.info) {
            LoadedPlugin plugin(options.pluginPath, kInfoSampleRate, options.tempo, options.blockFrames);
            printHostView(plugin.effect(), stdout);
        } else {
            runRender(options);
        }
        return 0;
    } catch (const UsageError& e) {
        printError(e.what(), " (see --help)");
        return kExitUsage;
    } catch (const std::exception& e) {
        printError(e.what());
        return kExitFailure;
    }
}
