// The render itself: input blocks through the plug-in into the output, with
// the transport moved and the block's MIDI events delivered before each
// processReplacing call.
#pragma once

#include <cstdint>
#include <functional>

#include "plugin/vst2.h"
#include "tools/midi/EventSchedule.h"
#include "tools/render/SoundFile.h"
#include "tools/render/Transport.h"

struct RenderStats {
    int64_t frames = 0;
    float peak = 0.0f;       // largest magnitude in the output
    int64_t clipped = 0;     // output samples beyond full scale
    size_t eventsDelivered = 0;
};

// Sees every block once it is processed: stereo input and output, `frames` long.
struct BlockView {
    int64_t start;
    int frames;
    const float* input[2];
    const float* output[2];
};
using BlockObserver = std::function<void(const BlockView&)>;

struct RenderJob {
    AEffect* effect;
    Transport& transport;
    EventSchedule& events;
    SoundFileReader& input;
    SoundFileWriter& output;
    int64_t totalFrames;  // input and tail
    int blockFrames;
};

RenderStats renderBlocks(const RenderJob& job, const BlockObserver& observer);
