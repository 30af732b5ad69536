// What the parameter application tells and asks the plug-in format above it.
#pragma once

#include "engine/EngineClock.h"

class ParameterHost {
public:
    // A parameter or status value was set or changed (by the host, the editor,
    // MIDI, a program, or the plug-in by itself). Any thread, the audio thread
    // included: record it and pass it on later.
    virtual void parameterChanged(int index, float value) = 0;

    // How much of the host's time an editor command asks for.
    enum class ClockDetail { kTempo, kPositionAndTempo };
    // The host's time now, for commands that set the length from the tempo;
    // null when the host tells none. User-interface thread.
    virtual const EngineClock* hostClock(ClockDetail detail) = 0;

protected:
    ~ParameterHost() = default;
};
