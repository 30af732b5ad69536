// The whole effect without a plug-in format: the parameters and programs,
// the engine and MIDI input, wired together. Each format's adaptor (VST 2,
// LV2, CLAP) owns one and translates its host's calls into these.
//
// Threads: setParameter, the programs and resume come from the host's
// user-interface thread (or any thread); midiMessage and process from its
// audio thread. Only process touches the engine's state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/CoreHost.h"
#include "engine/StutterEngine.h"
#include "midi/MidiInput.h"
#include "midi/MidiMaps.h"
#include "params/ParameterModel.h"

class StutterCore final : private EngineListener, private MidiTarget {
public:
    // `clock` is the host's time as the instance is made (null: none).
    StutterCore(CoreHost& host, const EngineClock* clock);
    StutterCore(const StutterCore&) = delete;
    StutterCore& operator=(const StutterCore&) = delete;

    // False when the loop buffers or the programs could not be allocated.
    bool constructedWhole() const {
        return parameters.constructedWhole() && engine.constructedWhole();
    }

    // Parameters 0..40, status values 43..45, editor commands 49..63.
    void setParameter(int index, float value) override { parameters.setParameter(index, value); }
    float getParameter(int index) const { return parameters.getParameter(index); }
    void parameterName(int index, char* text) const { parameters.parameterName(index, text); }
    void parameterLabel(int index, char* text) const { parameters.parameterLabel(index, text); }
    void parameterDisplay(int index, char* text) { parameters.parameterDisplay(index, text); }

    void setProgram(int program) { parameters.setProgram(program); }
    int program() const { return parameters.program(); }
    void setProgramName(const char* name) { parameters.setProgramName(name); }
    void programName(int program, char* text) const { parameters.programName(program, text); }

    // Playback back to where a fresh instance has it (the host resumes to
    // play a passage again); parameters, programs and MIDI maps stay.
    void resume(const EngineClock* clock) { parameters.restartPlayback(clock); }

    // Audio thread: a MIDI channel message, before the block it belongs to;
    // then the block. `clock` is null when the host tells no time.
    void midiMessage(uint8_t status, uint8_t data1, uint8_t data2) {
        midi.handleMessage(status, data1, data2);
    }
    void process(const float* const* inputs, float* const* outputs, int32_t frames,
                 const EngineClock* clock) {
        parameters.beginBlock();
        engine.process(inputs, outputs, frames, clock);
    }

    // The instance's state as hosts keep it in a session: every program's
    // values and name, the current program and the MIDI maps, as a versioned
    // stream (core/StateStream.h). Loading refuses a damaged stream and
    // changes nothing; a good one recalls the current program as selecting
    // it does. User-interface thread.
    std::vector<uint8_t> saveState() const;
    bool loadState(const uint8_t* data, size_t size);

    ParameterModel& parameterModel() { return parameters; }
    const ParameterModel& parameterModel() const { return parameters; }
    MidiMaps& midiMaps() { return maps; }
    const MidiMaps& midiMaps() const { return maps; }
    const StutterEngine& stutterEngine() const { return engine; }

private:
    // What the engine tells.
    void levelReport(float level) override;
    void recordingStopped() override { parameters.recordingStopped(); }
    void divisionNumeratorReset() override { parameters.divisionNumeratorReset(); }
    void runDeferredCommand(const DeferredCommand& command) override;

    // What MIDI asks.
    void queueProgramChange(int32_t program) override;
    void playNote(int note) override;
    void releaseNote() override;

    CoreHost& host;
    MidiMaps maps;
    ParameterModel parameters;
    StutterEngine engine;
    MidiInput midi;
};
