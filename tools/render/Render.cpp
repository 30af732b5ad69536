#include "tools/render/Render.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "tools/cli/OutputFile.h"
#include "tools/midi/SmfReader.h"
#include "tools/render/LoadedPlugin.h"
#include "tools/render/ProgressBar.h"
#include "tools/render/RenderError.h"
#include "tools/render/RenderLoop.h"
#include "tools/render/SameFile.h"
#include "tools/render/WaveformPlot.h"

namespace {

void checkNothingOverwritesInput(const RenderOptions& options) {
    if (sameFile(options.outputPath, options.inputPath))
        throw RenderError("the output " + options.outputPath + " is the input file; choose another output");
    if (options.plotPath.empty()) return;
    if (sameFile(options.plotPath, options.inputPath))
        throw RenderError("the picture " + options.plotPath + " is the input file; choose another name");
    if (sameFile(options.plotPath, options.outputPath))
        throw RenderError("the picture " + options.plotPath + " is the output file; choose another name");
}

std::vector<TimedMidiEvent> midiEvents(const RenderOptions& options) {
    std::vector<TimedMidiEvent> events;
    if (!options.midiPath.empty()) events = readMidiFile(options.midiPath);
    for (const NoteSpan& note : options.notes) {
        const auto pair = noteEvents(note);
        events.insert(events.end(), pair.begin(), pair.end());
    }
    return events;
}

// The picture's outlines, filled while the render runs.
struct PlotEnvelopes {
    explicit PlotEnvelopes(int64_t totalFrames)
        : lanes{{PlotLayout::columns(), totalFrames}, {PlotLayout::columns(), totalFrames},
                {PlotLayout::columns(), totalFrames}, {PlotLayout::columns(), totalFrames}} {}
    void add(const BlockView& block) {
        for (int side = 0; side < 2; ++side) {
            lanes[side].add(block.start, block.input[side], block.frames);
            lanes[2 + side].add(block.start, block.output[side], block.frames);
        }
    }
    WaveEnvelope lanes[4];
};

std::string programText(AEffect* effect, int program) {
    if (program < 0) return "";
    return ", program " + std::to_string(program) + " \"" +
           dispatchText(effect, effGetProgramNameIndexed, program) + "\"";
}

void printSummary(const RenderOptions& options, const std::string& through, const SoundFileReader& input,
                  const RenderStats& stats, size_t eventCount) {
    const double seconds = static_cast<double>(stats.frames) / input.sampleRate();
    std::printf("%s: %lld frames (%.3f s) at %d Hz\n", options.outputPath.c_str(),
                static_cast<long long>(stats.frames), seconds, input.sampleRate());
    std::printf("  from %s (%lld frames, %s) through %s\n", options.inputPath.c_str(),
                static_cast<long long>(input.frames()), input.channels() == 1 ? "mono" : "stereo",
                through.c_str());
    std::printf("  peak %.4f (%.1f dBFS), %lld clipped samples", static_cast<double>(stats.peak),
                stats.peak > 0.0f ? 20.0 * std::log10(stats.peak) : -INFINITY,
                static_cast<long long>(stats.clipped));
    if (eventCount > 0)
        std::printf(", %zu of %zu MIDI events delivered", stats.eventsDelivered, eventCount);
    std::printf("\n");
    if (!options.plotPath.empty()) std::printf("  picture %s\n", options.plotPath.c_str());
}

}  // namespace

void runRender(const RenderOptions& options) {
    SoundFileReader input(options.inputPath);
    checkNothingOverwritesInput(options);
    // Both outputs exist as temporary files from here on: a folder that
    // cannot take them fails the render before it starts.
    cli::OutputFile output(options.outputPath);
    std::optional<cli::OutputFile> plotFile;
    if (!options.plotPath.empty()) plotFile.emplace(options.plotPath);

    const double rate = input.sampleRate();
    EventSchedule schedule(midiEvents(options), rate);
    LoadedPlugin plugin(options.pluginPath, rate, options.tempo, options.blockFrames);
    const int program = options.program ? plugin.selectProgram(*options.program) : -1;
    AEffect* effect = plugin.effect();
    for (const ParameterSetting& setting : options.settings)
        effect->setParameter(effect, plugin.findParameter(setting.parameter), setting.value);

    const int64_t totalFrames = input.frames() + std::llround(options.tailSeconds * rate);
    SoundFileWriter writer(output, input.sampleRate(), options.outputFormat);
    std::unique_ptr<PlotEnvelopes> plot;
    if (plotFile) plot = std::make_unique<PlotEnvelopes>(totalFrames);
    ProgressBar progress(stderr, totalFrames, wantsProgressBar(totalFrames, rate));

    plugin.resume();
    const RenderJob job{effect, plugin.host().transport(), schedule, input, writer, totalFrames,
                        options.blockFrames};
    const RenderStats stats = renderBlocks(job, [&](const BlockView& block) {
        if (plot) plot->add(block);
        progress.update(block.start + block.frames);
    });
    plugin.suspend();
    progress.finish();
    writer.close();

    const std::string through = plugin.name() + programText(effect, program);
    if (plot)
        writeWaveformPlot(*plotFile, {{&plot->lanes[0], &plot->lanes[1], &plot->lanes[2], &plot->lanes[3]},
                                      totalFrames, rate, options.tempo, options.inputPath + " through " + through});
    output.commit();
    if (plotFile) plotFile->commit();
    printSummary(options, through, input, stats, schedule.events().size());
}
