// The plug-in as VST 2 hosts see it: the effect's core (parameters,
// programs, engine, MIDI) behind the AudioEffectX operations, the host's time
// information turned into the engine's clock, and the changes the core makes
// passed on to the editor.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

#include "core/StutterCore.h"
#include "plugin/AudioEffectX.h"

constexpr VstInt32 kZarvolineId = fourCharCode('Q', 'L', 'X', 'A');

class StutterEffect : public AudioEffectX, private CoreHost {
public:
    explicit StutterEffect(audioMasterCallback audioMaster);
    ~StutterEffect() override;

    // False when the loop buffers or the programs could not be allocated.
    bool constructedWhole() const { return core.constructedWhole(); }

    // Parameters.
    float getParameter(VstInt32 index) override { return core.getParameter(index); }
    void getParameterName(VstInt32 index, char* text) override { core.parameterName(index, text); }
    void getParameterLabel(VstInt32 index, char* text) override { core.parameterLabel(index, text); }
    void getParameterDisplay(VstInt32 index, char* text) override {
        core.parameterDisplay(index, text);
    }
    void setParameter(VstInt32 index, float value) override { core.setParameter(index, value); }

    // Programs.
    void setProgram(VstInt32 program) override { core.setProgram(program); }
    VstInt32 getProgram() override { return core.program(); }
    void setProgramName(char* name) override { core.setProgramName(name); }
    void getProgramName(char* name) override { core.programName(core.program(), name); }
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;

    // Audio and MIDI.
    void process(float** inputs, float** outputs, VstInt32 frames) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 frames) override;
    VstInt32 processEvents(VstEvents* events) override;

    // Identity and life cycle.
    void suspend() override {}
    void resume() override;
    VstInt32 getPlugCategory() override { return kPlugCategEffect; }
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override { return 1000; }
    VstInt32 canDo(char* text) override;

    // Tells the editor about a value that changed.
    virtual void updateEditorParameter(VstInt32 index, float value);

    // The core, for tests and the editor.
    StutterCore& effectCore() { return core; }
    const StutterCore& effectCore() const { return core; }

private:
    // CoreHost.
    void parameterChanged(int index, float value) override { updateEditorParameter(index, value); }
    const EngineClock* hostClock(ClockDetail detail) override;

    // The host's time information as the engine's clock, in `into`; null
    // without an answer.
    const EngineClock* askClock(VstInt32 request, EngineClock& into);

    // One clock record per use, so that two threads never write the same
    // one: the audio thread's for its blocks and for what a grid command
    // asks in the middle of one (a program with BPM Sync), the other for
    // what the user-interface thread asks (creation and resume, while no
    // block runs; editor commands, while blocks run).
    EngineClock audioClock;
    EngineClock audioQueryClock;
    EngineClock userClock;
    EngineClock userCommandClock;  // rate and tempo only
    std::atomic<std::thread::id> audioThread{};
    StutterCore core;
};
