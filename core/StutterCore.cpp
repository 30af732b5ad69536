#include "core/StutterCore.h"

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
