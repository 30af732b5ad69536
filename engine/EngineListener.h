// What the engine tells the outside while it plays, on the audio thread. The
// implementation must be real-time safe: record it and pass it on later.
#pragma once

#include <cstdint>

#include "engine/DeferredQueue.h"

class EngineListener {
public:
    // The average input level since the last report (every 513 recorded frames).
    virtual void levelReport(float level) = 0;
    // The loop buffers are full: recording stops, the engine stays engaged and
    // the loop goes on playing. Record falls to 0 (the program keeps its value).
    virtual void recordingStopped() = 0;
    // A Division numerator outside 0..1 was read as 0, and stays 0.
    virtual void divisionNumeratorReset() = 0;
    // A command that waited for the Rec Sync grid is due now.
    virtual void runDeferredCommand(const DeferredCommand& command) = 0;

protected:
    ~EngineListener() = default;
};
