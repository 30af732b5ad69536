// The plug-in: a tempo-synchronised buffer-repeat effect. It owns the loop
// buffers, the programs, the derived engine settings, the engine state and
// the MIDI maps; its operations are implemented beside the subsystem they
// belong to (params/, engine/, midi/), this file only gathers them.
#pragma once

#include <cstdint>

#include "engine/Biquad.h"
#include "engine/DeferredQueue.h"
#include "engine/EngineFrame.h"
#include "engine/EngineState.h"
#include "engine/FilterMailbox.h"
#include "engine/PitchTable.h"
#include "midi/MidiMaps.h"
#include "params/EngineSettings.h"
#include "params/ParameterIds.h"
#include "params/ProgramRecord.h"
#include "params/RangeMapper.h"
#include "plugin/AudioEffectX.h"

constexpr VstInt32 kZarvolineId = fourCharCode('Q', 'L', 'X', 'A');

class StutterEffect : public AudioEffectX {
public:
    explicit StutterEffect(audioMasterCallback audioMaster);
    ~StutterEffect() override;

    // False when the loop buffers or the programs could not be allocated.
    bool constructedWhole() const { return loopBufferLeft && loopBufferRight && programs; }

    // Parameters: the read side.
    float getParameter(VstInt32 index) override;
    void getParameterName(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;

    // Parameters: the write side, and the editor's commands above them.
    void setParameter(VstInt32 index, float value) override;

    // Programs.
    void setProgram(VstInt32 program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
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

    // Tells the editor about a value the plug-in changed by itself.
    virtual void updateEditorParameter(VstInt32 index, float value);

    // Operations shared by the parameter setters, programs, MIDI and engine.
    void applyRecordSwitch(float value);
    void applyOffsetValue(float value, float coupled);
    void setOffsetFrames(float frames);
    void setLengthFrames(int32_t frames);
    // Sets the loop length to barFactor bars at the host's tempo (asked for
    // now) or at the given tempo; answers 1 and changes nothing without time
    // information or with a tempo that is not positive.
    int32_t setLengthFromTempo(float withOffset, float barFactor);
    int32_t setLengthFromTempo(float withOffset, float barFactor, float tempo);
    void randomizeKnobs();
    int32_t divisionValue();

    void setEngaged(float value);
    void resetLoop();
    void rewindLoop();
    void restartPlayback();
    bool queueDeferredCommand(int32_t kind, int32_t value);

    // MIDI: a note without a program plays the effect at its pitch.
    void noteTriggerOn(int note);
    void noteTriggerOff();

    void recomputeFilter(bool force);
    void designFilter(bool restart);
    void publishFilterDesign();
    double filterLfoValue(bool restart);

    // The engine's stages and timing, as the audio callback uses them.
    void refreshHostTiming();
    int32_t computeSliceLength(bool stepAllowed);
    int32_t modulateLength(int32_t length, bool stepAllowed);
    float computePitchRatio();
    float pitchTableRatio(int32_t index) const;
    float gateGain(int32_t position, int32_t length) const;
    float crushSample(float x) const;
    void runDeferredCommands(int32_t position, int32_t rate, int32_t tempo);

    // Read-only views used by tests and the editor.
    const EngineSettings& engineSettings() const { return settings; }
    const EngineState& engineState() const { return engine; }
    const MidiMaps& midiMaps() const { return midi; }
    const ProgramRecord& program(int index) const { return programs[index]; }

protected:
    ProgramRecord& currentProgram() { return programs[curProgram]; }
    // Writes a parameter's value into paramValues and the current program.
    void store(int parameter, float value);
    float stored(int parameter) const { return paramValues[parameter]; }

    void applyParameter(VstInt32 index, float value);
    void applyBpmLock(float value);
    bool offsetWriteMovesLength();
    void applyLength(float value, bool coupled);
    float nearestOffsetValue(float frames) const;
    void applyRepeats(float value);
    void runOffsetOperation(int32_t op);
    void runLengthOperation(int32_t op);
    void runMidiAction(int32_t action);
    void runTempoLength(float tempo);
    void writeFactoryPresets();
    void handleMidiMessage(uint8_t status, uint8_t data1, uint8_t data2);
    void handleNote(int note, int velocity);
    void handleController(int controller, float value);
    void takeHostTiming(const VstTimeInfo& time);
    void takeRateAndTempo(const VstTimeInfo& time);

    // The steps of the audio callback (engine/), in the order they run.
    VstInt32 runDryFrames(float** inputs, float** outputs, VstInt32 frames);
    void startEngagedBlock(VstInt32 framesLeft);
    void processEngagedFrame(EngineFrame& frame, int32_t& readIndex);
    void recordFrame(const EngineFrame& frame);
    void decideRestart(EngineFrame& frame, int32_t& readIndex);
    void restartSlice(EngineFrame& frame, int32_t& readIndex);
    float restartJump(int32_t len);
    void guardReadPosition(const EngineFrame& frame, int32_t& readIndex);
    void startCrossfade(const EngineFrame& frame);
    void readAndShape(EngineFrame& frame, int32_t readIndex);
    void runFilterStage(EngineFrame& frame);
    void filterChannel(float& sample, BiquadHistory& history);
    void mixAndCrossfade(EngineFrame& frame);
    void advanceCursor(int32_t& readIndex);
    void reportLevel();
    // A loop-buffer sample, or silence for an index outside the buffer.
    float loopSample(const float* buffer, int32_t index) const;

    Relaxed<float> paramValues[kNumParams];
    ProgramRecord* programs = nullptr;
    RangeMapper rangeMapper;
    PitchTable pitchTable;

    float* loopBufferLeft = nullptr;
    float* loopBufferRight = nullptr;
    int32_t bufferCapacity = kSampleBufferFrames;

    EngineSettings settings;
    EngineState engine;
    int32_t glideLengthAtStart = 0;  // where the glide of a fresh instance starts
    MidiMaps midi;
    DeferredQueue deferredCommands;

    // The filter: designs arrive through the mailbox; the audio thread keeps
    // the design it runs and a history per channel, for the replayed signal
    // and for the outgoing material of a crossfade.
    struct StereoHistory {
        BiquadHistory left, right;
    };
    FilterMailbox filterDesigns;
    uint32_t filterDesignSeen = 0;
    bool filterActive = false;
    BiquadCoefficients filterRunning;
    StereoHistory filterWet, filterOutgoing;
};
