// Which controller drives which parameter, which note recalls which program,
// and the two learn modes that fill those maps from the next message.
#pragma once

#include <cstdint>

#include "common/Relaxed.h"

struct MidiMaps {
    static constexpr int kSize = 128;
    static constexpr int32_t kUnbound = -1;
    static constexpr int kPitchBendController = 12;  // pitch bend drives this entry
    static constexpr int kAutoLearnFirstNote = 48;    // C4 in the editor's naming

    MidiMaps();

    void resetControllerMap();
    void clearControllerMap();
    void armControllerLearn(int32_t parameter);
    void armProgramLearn();
    void clearNoteProgramMap();
    // Notes firstNote .. firstNote + 15 recall programs 0 .. 15.
    void autoLearnPrograms(int firstNote);

    Relaxed<int32_t> controllerMap[kSize];
    Relaxed<bool> controllerLearnArmed{false};
    Relaxed<int32_t> controllerLearnTarget{0};
    Relaxed<int32_t> noteProgramMap[kSize];
    Relaxed<bool> programLearnArmed{false};
    Relaxed<int32_t> programLearnTarget{0};
};
