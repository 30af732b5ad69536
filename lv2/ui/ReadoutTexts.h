// The texts the plug-in shows for its values, on the editor's side of LV2,
// where the DSP's memory is out of reach. A parameter model of the editor's
// own follows every value the editor shows and gives the very texts the DSP's
// model would, at once (the readout follows the value just sent, before the
// DSP has it). What only the engine knows, the filter's cutoff as it plays,
// comes from the DSP with its level reports.
#pragma once

#include "engine/EngineControl.h"
#include "midi/MidiMaps.h"
#include "params/ParameterHost.h"
#include "params/ParameterModel.h"

class ReadoutTexts final : private ParameterHost, private EngineControl {
public:
    ReadoutTexts();

    void follow(int parameter, float value);
    void followCutoff(double hertz) { engineStatus.filterFreqHz = hertz; }
    // Texts of at most `size` bytes each, the zero included.
    void text(int parameter, char* display, char* label, int size);

private:
    // The model's own changes are the editor's values already.
    void parameterChanged(int, float) override {}
    // No time here: the DSP works out what takes the host's tempo.
    const EngineClock* hostClock(ClockDetail) override { return nullptr; }
    // Nothing plays here: requests to the engine go nowhere.
    void post(const EngineRequest&) override {}
    bool queueDeferred(int32_t, int32_t) override { return false; }
    const EngineStatus& status() const override { return engineStatus; }

    EngineStatus engineStatus;
    MidiMaps maps;
    ParameterModel model;
};
