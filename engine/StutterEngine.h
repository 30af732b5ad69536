// The audio engine: records the input into the loop buffers and replays
// slices of it through the sound-shaping stages, following the host's clock.
// It knows no plug-in format. The audio thread owns it: it reads the settings
// as a snapshot taken once per block, and other threads act on it only by
// posting requests, which it carries out at the start of its next block.
#pragma once

#include <cstdint>

#include "engine/Biquad.h"
#include "engine/DeferredQueue.h"
#include "engine/EngineClock.h"
#include "engine/EngineControl.h"
#include "engine/EngineFrame.h"
#include "engine/EngineListener.h"
#include "engine/EngineSettings.h"
#include "engine/EngineState.h"
#include "engine/LoopBuffers.h"
#include "engine/Modulator.h"
#include "engine/PitchTable.h"
#include "engine/RequestRing.h"

class StutterEngine : public EngineControl {
public:
    StutterEngine(const SharedSettings& shared, EngineListener& listener);

    // False when the loop buffers could not be had.
    bool constructedWhole() const { return buffers.whole(); }

    // Before the first block: the host's time as the instance is made, and
    // the length the glide of a fresh instance starts from.
    void startFrom(const EngineClock* clock);
    void setGlideStart(int32_t length);

    // Any thread.
    void post(const EngineRequest& request) override;
    bool queueDeferred(int32_t kind, int32_t value) override;
    const EngineStatus& status() const override { return published; }

    // The audio thread: one block. `clock` is null when the host told no time.
    // Inputs and outputs may be the same buffers.
    void process(const float* const* inputs, float* const* outputs, int32_t frames,
                 const EngineClock* clock);

    // Read-only views for tests.
    const EngineState& state() const { return engine; }
    const EngineSettings& settingsInUse() const { return settings; }

    // How the slice length moves until the next restart: not at all, or
    // swung by Sin or Tan with the song position. Unplannable (a glide, a
    // stepped modulator): `base` is -1.
    struct SliceLengthPlan {
        int32_t base = -1;  // the length before the swing
        bool swinging = false;
        SwingShape swing;
    };

private:
    // Block start: the snapshot, then the requests in order.
    void takeSnapshot() { shared.snapshot(settings); }
    void carryOutRequests();
    void carryOut(const EngineRequest& request);
    void refreshHostTiming(const EngineClock* clock);
    void takeClock(const EngineClock& clock);
    void takeRateAndTempo(double sampleRate, double tempo);
    void publishStatus();

    // Loop control.
    void setEngaged(float value, int32_t division);
    void resetLoop(float filterSpeed);
    void rewindLoop();
    void restartPlayback(const EngineRequest& request);
    void runDeferredCommands(int32_t position, int32_t rate, int32_t tempo);
    int32_t divisionValue();

    // The steps of a block, in the order they run.
    int32_t runDryFrames(const float* const* inputs, float* const* outputs, int32_t frames);
    void startEngagedBlock(int32_t framesLeft);
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

    // Stretches of frames in which nothing but the samples changes: no
    // restart, no grid point, no report, no guard that would act. Played by
    // a plain loop; everything else goes frame by frame.
    // Answers how many frames at most; playing answers how many it played
    // (it stops early where a swung slice would start over).
    int32_t quietStretch(int32_t framesLeft, int32_t readIndex);
    int32_t playQuietStretch(const float* inL, const float* inR, float* outL, float* outR,
                             int32_t frames, int32_t& readIndex);
    template <bool Swinging>
    int32_t playStretch(const float* inL, const float* inR, float* outL, float* outR,
                        int32_t frames, int32_t& readIndex);
    int32_t playLinearStretch(const float* inL, const float* inR, float* outL, float* outR,
                              int32_t frames, int32_t& readIndex);
    int32_t framesToNextFilterEvent(int32_t limit) const;

    // The stages' arithmetic.
    int32_t sliceTarget(int32_t& unsnapped) const;
    int32_t computeSliceLength(bool stepAllowed);
    SliceLengthPlan planSliceLength() const;
    ModulatorInputs modulatorInputs() const;
    int32_t modulateLength(int32_t length, bool stepAllowed);
    float computePitchRatio();
    float gateGain(int32_t position, int32_t length) const;
    float crushSample(float x) const;
    // A loop-buffer sample, or silence for an index outside the buffer.
    float loopSample(const float* buffer, int32_t index) const;

    // The filter's design and modulation.
    void recomputeFilter(bool force, int32_t updateMode, int32_t restartMode, float speed);
    void designFilter(bool restart, float speed);
    void makeFilterDesign();
    double filterLfoValue(bool restart, float speed);

    float stored(int parameter) const { return settings.values[parameter]; }

    const SharedSettings& shared;
    EngineListener& listener;
    EngineSettings settings;  // the block's snapshot
    EngineState engine;
    EngineStatus published;
    LoopBuffers buffers;
    PitchTable pitchTable;
    RequestRing requests;
    DeferredQueue deferredCommands;
    int32_t glideLengthAtStart = kMaxLoopSamples;
    int32_t pendingOffsetJump = 0;
    SliceLengthPlan quietPlan;  // the slice length through the current quiet stretch
    float quietGain = 1.0f;     // the gate's gain through it, unless the length swings  // 1 forward, 2 back; taken at the next restart

    // The filter: the design it runs, and a history per channel for the
    // replayed signal and for the outgoing material of a crossfade.
    struct StereoHistory {
        BiquadHistory left, right;
    };
    bool filterActive = false;
    BiquadCoefficients filterRunning;
    StereoHistory filterWet, filterOutgoing;
};
