#include "core/StutterCore.h"

#include <cstring>

#include "core/StateStream.h"

StutterCore::StutterCore(CoreHost& coreHost, const EngineClock* clock)
    : host(coreHost),
      parameters(coreHost, maps),
      engine(parameters.sharedSettings(), *this),
      midi(maps, *this) {
    parameters.attach(engine);
    engine.startFrom(clock);
    parameters.start();
    maps.resetControllerMap();
    maps.clearNoteProgramMap();
    engine.setGlideStart(parameters.sharedSettings().lengthSamples);
}

void StutterCore::levelReport(float level) { host.parameterChanged(kStatusPlayPos, level); }

void StutterCore::runDeferredCommand(const DeferredCommand& command) {
    switch (command.kind) {
        case kDeferredProgramChange:
            parameters.setProgram(command.value);
            parameters.setParameter(kRecord, 1.0f);
            break;
        case kDeferredRecord: parameters.applyRecordSwitch(static_cast<float>(command.value)); break;
        default: break;
    }
}

void StutterCore::queueProgramChange(int32_t program) {
    engine.queueDeferred(kDeferredProgramChange, program);
}

void StutterCore::playNote(int note) {
    EngineRequest request;
    request.kind = EngineRequest::kResetModulatorStep;
    engine.post(request);
    parameters.setParameter(kRecord, 1.0f);
    request.kind = EngineRequest::kHoldNote;
    request.count = note;
    engine.post(request);
}

void StutterCore::releaseNote() {
    EngineRequest request;
    request.kind = EngineRequest::kReleaseNote;
    engine.post(request);
    parameters.setParameter(kRecord, 0.0f);
}

std::vector<uint8_t> StutterCore::saveState() const {
    PluginState state{};
    for (int p = 0; p < kNumPrograms; ++p) {
        const ProgramRecord& record = parameters.programRecord(p);
        for (int i = 0; i < kNumParams; ++i) state.values[p][i] = record.value(i);
        std::memcpy(state.names[p], record.name, kProgramNameSize);
    }
    state.currentProgram = parameters.program();
    for (int i = 0; i < MidiMaps::kSize; ++i) {
        state.controllerMap[i] = maps.controllerMap[i];
        state.noteProgramMap[i] = maps.noteProgramMap[i];
    }
    return writeState(state);
}

bool StutterCore::loadState(const uint8_t* data, size_t size) {
    PluginState state{};
    if (!data || !readState(data, size, state)) return false;
    for (int p = 0; p < kNumPrograms; ++p) {
        ProgramRecord& record = parameters.programRecord(p);
        for (int i = 0; i < kNumParams; ++i) record.setValue(i, state.values[p][i]);
        record.setName(state.names[p]);
    }
    for (int i = 0; i < MidiMaps::kSize; ++i) {
        maps.controllerMap[i] = state.controllerMap[i];
        maps.noteProgramMap[i] = state.noteProgramMap[i];
    }
    // Selecting the program applies its values; Rec Sync, which a program
    // change leaves alone, comes back as it was saved.
    parameters.setProgram(state.currentProgram);
    parameters.setParameter(kRecSync, state.values[state.currentProgram][kRecSync]);
    return true;
}
