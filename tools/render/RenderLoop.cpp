#include "tools/render/RenderLoop.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/host/PluginLibrary.h"
#include "tools/midi/VstEventList.h"

namespace {

// Channel buffers for every input and output the plug-in declares; the
// render reads and writes the first two (a mono plug-in's output goes to
// both sides).
class ChannelBuffers {
public:
    ChannelBuffers(int channels, int frames)
        : storage_(static_cast<size_t>(std::max(channels, 2)), std::vector<float>(frames)) {
        for (auto& channel : storage_) pointers_.push_back(channel.data());
    }
    float** pointers() { return pointers_.data(); }
    float* channel(int index) { return storage_[static_cast<size_t>(index)].data(); }

private:
    std::vector<std::vector<float>> storage_;
    std::vector<float*> pointers_;
};

void measure(RenderStats& stats, const float* samples, int frames) {
    for (int i = 0; i < frames; ++i) {
        const float magnitude = std::fabs(samples[i]);
        stats.peak = std::max(stats.peak, magnitude);
        if (magnitude > 1.0f) ++stats.clipped;
    }
}

}  // namespace

RenderStats renderBlocks(const RenderJob& job, const BlockObserver& observer) {
    AEffect* effect = job.effect;
    ChannelBuffers in(effect->numInputs, job.blockFrames);
    ChannelBuffers out(effect->numOutputs, job.blockFrames);
    VstEventList eventList(job.events.events().size());
    RenderStats stats;

    for (int64_t start = 0; start < job.totalFrames; start += job.blockFrames) {
        const int frames = static_cast<int>(std::min<int64_t>(job.blockFrames, job.totalFrames - start));
        job.input.read(in.channel(0), in.channel(1), frames);
        job.transport.moveTo(start);
        const auto blockEvents = job.events.takeBlock(start, frames);
        // The list stays as it is until the next block's fill, past this
        // block's processReplacing.
        if (!blockEvents.empty())
            dispatch(effect, effProcessEvents, 0, 0, eventList.fill(blockEvents, start));
        effect->processReplacing(effect, in.pointers(), out.pointers(), frames);

        const float* right = effect->numOutputs > 1 ? out.channel(1) : out.channel(0);
        job.output.write(out.channel(0), right, frames);
        measure(stats, out.channel(0), frames);
        measure(stats, right, frames);
        stats.frames += frames;
        if (observer) observer({start, frames, {in.channel(0), in.channel(1)}, {out.channel(0), right}});
    }
    stats.eventsDelivered = job.events.delivered();
    return stats;
}
