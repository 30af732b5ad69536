#include "midi/MidiMaps.h"

#include "params/ParameterIds.h"

namespace {

struct DefaultBinding {
    int controller;
    int parameter;
};

constexpr DefaultBinding kDefaultControllers[] = {
    {1, kLength},          {2, kMix},
    {12, kOffset},         {16, kGate},
    {19, kModulatorAmp},   {71, kDivisionNum},
    {74, kOffset},         {80, kModulatorSpeed},
    {81, kRepeats},        {91, kShuffle},
};

}  // namespace

MidiMaps::MidiMaps() {
    resetControllerMap();
    clearNoteProgramMap();
}

void MidiMaps::resetControllerMap() {
    clearControllerMap();
    for (const auto& binding : kDefaultControllers)
        controllerMap[binding.controller] = binding.parameter;
}

void MidiMaps::clearControllerMap() {
    for (auto& entry : controllerMap) entry = kUnbound;
    controllerLearnArmed = false;
    controllerLearnTarget = 0;
}

void MidiMaps::armControllerLearn(int32_t parameter) {
    controllerLearnTarget = parameter;
    controllerLearnArmed = true;
}

void MidiMaps::armProgramLearn() { programLearnArmed = true; }

void MidiMaps::clearNoteProgramMap() {
    for (auto& entry : noteProgramMap) entry = kUnbound;
    programLearnArmed = false;
}

void MidiMaps::autoLearnPrograms(int firstNote) {
    clearNoteProgramMap();
    for (int program = 0; program < kNumPrograms; ++program)
        noteProgramMap[firstNote + program] = program;
}
