// zarvoline-render: an offline host for VST 2 effects. Renders an audio file
// through a plug-in (Zarvoline unless told otherwise) with a program,
// parameter values, a tempo and MIDI notes, or shows what a host sees of it.
#include <cstdio>
#include <string>

#include "tools/cli/CommandLine.h"
#include "tools/render/HostView.h"
#include "tools/render/LoadedPlugin.h"
#include "tools/render/Render.h"
#include "tools/render/RenderOptions.h"

namespace {

constexpr double kInfoSampleRate = 44100.0;

}  // namespace

int main(int argc, char** argv) {
    const std::string defaultPlugin = ZARVOLINE_DEFAULT_PLUGIN;
    const cli::Program program{"zarvoline-render", renderUsage(defaultPlugin)};
    return cli::run(program, argc, argv, [&](const cli::Arguments& arguments) {
        const RenderOptions options = parseOptions(arguments, defaultPlugin);
        if (options.info) {
            LoadedPlugin plugin(options.pluginPath, kInfoSampleRate, options.tempo, options.blockFrames);
            printHostView(plugin.effect(), stdout);
        } else {
            runRender(options);
        }
        return cli::kExitSuccess;
    });
}
