// The parameter model's life: the programs made and filled with the factory
// presets, and what the engine did by itself passed on to the values.
#include "params/ParameterModel.h"

#include <new>

#include "midi/MidiMaps.h"

ParameterModel::ParameterModel(ParameterHost& parameterHost, MidiMaps& midiMaps)
    : host(parameterHost), midi(midiMaps) {
    // Everything the model will ever use is allocated here, never later.
    programs = new (std::nothrow) ProgramRecord[kNumPrograms];
}

ParameterModel::~ParameterModel() { delete[] programs; }

void ParameterModel::start() {
    if (!programs) return;
    // Rec Sync and the two offset jumps are not applied by setProgram, so
    // they start from the record's values directly.
    for (int p = 0; p < kNumParams; ++p) settings.values[p] = programs[0].value(p);
    writeFactoryPresets();
    setProgram(0);
}

void ParameterModel::restartPlayback(const EngineClock* clock) {
    EngineRequest restart;
    restart.kind = EngineRequest::kRestartPlayback;
    restart.value = stored(kFilterSpeed);
    if (clock) restart.clock = *clock;
    engine->post(restart);
    // The loop starts over: Record follows whether the engine plays.
    const float recording = engaged ? 1.0f : 0.0f;
    settings.values[kRecord] = recording;
    notify(kRecord, recording);
}

void ParameterModel::beginBlock() {
    if (settings.bpmLockState == 2) settings.bpmLockState = 1;
}

void ParameterModel::recordingStopped() {
    settings.values[kRecord] = 0.0f;  // the program keeps its value
    notify(kRecord, 0.0f);
}

void ParameterModel::divisionNumeratorReset() { settings.values[kDivisionNum] = 0.0f; }
