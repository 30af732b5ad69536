// The narrow interface through which the parameter application and MIDI act
// on the engine: they post requests and queue grid-synchronised commands, and
// read what the engine last published. Callable from any thread.
#pragma once

#include <cstdint>

#include "common/Relaxed.h"
#include "engine/EngineRequest.h"

// What the engine publishes at the start and end of each block and before
// each level report, for the host's status values and the displays.
struct EngineStatus {
    Relaxed<int32_t> playIndex{0};
    Relaxed<int32_t> recordPos{0};
    Relaxed<int32_t> recordedLength{0};
    Relaxed<int32_t> hostSampleRate{44100};
    Relaxed<int32_t> hostTempo{120};
    Relaxed<double> filterFreqHz{0.0};  // the cutoff of the newest design, modulation included
};

class EngineControl {
public:
    // Carried out by the audio thread at the start of its next block, in order.
    virtual void post(const EngineRequest& request) = 0;
    // Waits for the Rec Sync grid; false (dropped) when the queue is full.
    virtual bool queueDeferred(int32_t kind, int32_t value) = 0;
    virtual const EngineStatus& status() const = 0;

protected:
    ~EngineControl() = default;
};
