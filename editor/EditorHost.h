// Everything the editor needs from the plug-in it shows, and nothing more:
// each plug-in format implements it over its own host interface, so the one
// editor serves all of them. An implementation may sit in the plug-in's own
// library (reading its parameters directly) or in a separate user-interface
// binary that knows the plug-in only through messages; nothing here hands
// out the engine's memory.
//
// Every call is made on the thread that runs the editor (the one that idles
// it), never on the audio thread. What the plug-in tells the editor goes the
// other way, through StutterEditor's setParameter, reportLevel and
// postUpdate, which may be called from any thread.
#pragma once

#include <cstddef>

class EditorHost {
public:
    // Room for one text of parameterText, its terminating zero included.
    static constexpr std::size_t kTextSize = 64;

    // The host's tempo and sample rate as last known; 0 where it gives none.
    struct Timing {
        double tempo = 0.0;       // BPM
        double sampleRate = 0.0;  // Hz
    };

    virtual ~EditorHost() = default;

    // The value of a parameter (ParameterId) or status value (StatusId) as
    // the plug-in holds it: normally 0 to 1, but whatever a host stored, NaN
    // included; the editor clamps it where a control shows it.
    virtual float parameterValue(int index) const = 0;
    // The parameter's value as text and its unit, as the plug-in shows them
    // to a host (each at most kTextSize bytes with the zero).
    virtual void parameterText(int index, char* display, char* label) = 0;
    // Asked when the window opens, for the displays that count bars.
    virtual Timing hostTiming() = 0;

    // A user's gesture on a parameter: begin, any number of changes, end.
    // A change applies the value to the plug-in and tells the host, which
    // records it as automation; it may also come without a gesture around it
    // (a click on a switch, a menu choice).
    virtual void beginGesture(int index) = 0;
    virtual void changeParameter(int index, float value) = 0;
    virtual void endGesture(int index) = 0;

    // One of the editor's commands (CommandId) with its argument: an offset
    // or length operation, a MIDI menu action, a typed tempo, or learning a
    // controller for a parameter.
    virtual void runCommand(int command, float value) = 0;

    // During a long drag the editor keeps the host's own user interface
    // alive through this, at most ten times a second.
    virtual void idleHost() {}
};
