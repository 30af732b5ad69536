// The parameters: the live values, the 16 programs, and what the engine reads
// derived from them. Setters run on any thread; what they derive goes to the
// shared settings, and what acts on the engine (Record, Clear, Rewind, filter
// redesigns, resets) is posted to it as requests.
#pragma once

#include <cstdint>

#include "common/Relaxed.h"
#include "engine/DeferredQueue.h"
#include "engine/EngineControl.h"
#include "engine/EngineSettings.h"
#include "params/ParameterHost.h"
#include "params/ParameterIds.h"
#include "params/ProgramRecord.h"
#include "params/RangeMapper.h"

// Room for any parameter text, name or label, terminator included: the 24
// bytes hosts give.
constexpr int kParameterTextSize = 24;

// The MIDI menu's actions (the kCmdMidiAction command's values).
enum MidiAction : int32_t {
    kMidiKnobsDefault = 0,
    kMidiKnobsClear,
    kMidiRandomizeKnobs,
    kMidiPresetLearn,
    kMidiPresetClear,
    kMidiPresetAutoLearn,
};

class MidiMaps;

class ParameterModel {
public:
    ParameterModel(ParameterHost& host, MidiMaps& midi);
    ~ParameterModel();
    ParameterModel(const ParameterModel&) = delete;
    ParameterModel& operator=(const ParameterModel&) = delete;

    // The engine the settings and requests go to; set once, before any value.
    void attach(EngineControl& engine) { this->engine = &engine; }
    // Fills the programs with the factory presets and selects program 0.
    void start();
    bool constructedWhole() const { return programs != nullptr; }
    const SharedSettings& sharedSettings() const { return settings; }

    // Parameters 0..40, status values 43..45 and the editor's commands 49..63.
    void setParameter(int index, float value);
    float getParameter(int index) const;
    void parameterName(int index, char* text) const;
    void parameterLabel(int index, char* text) const;
    void parameterDisplay(int index, char* text);

    void setProgram(int program);
    int program() const { return currentIndex; }
    void setProgramName(const char* name);
    void programName(int program, char* text) const;
    const ProgramRecord& programRecord(int index) const { return programs[index]; }
    ProgramRecord& programRecord(int index) { return programs[index]; }

    // Record switched by MIDI or a grid command, bypassing Rec Sync's wait.
    void applyRecordSwitch(float value);
    // Playback back to a fresh instance's, the clock taken from the host.
    void restartPlayback(const EngineClock* clock);
    // At the start of each block: a coupled Offset change under BPM Lock
    // holds the lock at 2 for the rest of the block it came in; from the next
    // block on, Length moves Offset again.
    void beginBlock();
    // What the engine did by itself.
    void recordingStopped();
    void divisionNumeratorReset();

private:
    ProgramRecord& currentProgram() { return programs[currentIndex]; }
    // Writes a parameter's value into the live values and the current program.
    void store(int parameter, float value);
    float stored(int parameter) const { return settings.values[parameter]; }
    void post(EngineRequest::Kind kind, int32_t count = 0, float value = 0.0f);
    void notify(int index, float value) { host.parameterChanged(index, value); }

    // The setters, by kind of parameter.
    void applyParameter(int index, float value);
    bool applyLoopSwitch(int index, float value);
    bool applyPlainValue(int index, float value);
    bool applyStepped(int index, float value);
    bool applySound(int index, float value);
    bool applyFilter(int index, float value);
    bool applyCommand(int index, float value);

    // Loop control as requests.
    void engage(float value);
    void resetLoop();
    int32_t divisionValue();

    // Length and Offset, and their couplings.
    void applyBpmLock(float value);
    void applyLengthValue(float value);
    bool offsetWriteMovesLength();
    void applyLength(float value, bool coupled);
    void applyOffsetValue(float value, float coupled);
    void setOffsetFrames(float frames);
    float nearestOffsetValue(float frames) const;
    void setLengthFrames(int32_t frames);
    void applyRepeats(float value);
    // Sets the loop length to barFactor bars at the host's tempo (asked for
    // now) or at the given tempo; answers 1 and changes nothing without time
    // information or with a tempo that is not positive.
    int32_t setLengthFromTempo(float withOffset, float barFactor);
    int32_t setLengthFromTempo(float withOffset, float barFactor, float tempo);

    // The editor's commands.
    void runOffsetOperation(int32_t op);
    void runLengthOperation(int32_t op);
    void runMidiAction(int32_t action);
    void runTempoLength(float tempo);
    void randomizeKnobs();
    void writeFactoryPresets();

    ParameterHost& host;
    MidiMaps& midi;
    EngineControl* engine = nullptr;
    SharedSettings settings;
    ProgramRecord* programs = nullptr;
    Relaxed<int32_t> currentIndex{0};
    RangeMapper rangeMapper;
    Relaxed<float> bpmLockRatio{1.0f};
    Relaxed<int32_t> lockWrites{0};  // which of Length and Offset were written since the lock
    Relaxed<bool> engaged{false};    // as last requested of the engine
};
