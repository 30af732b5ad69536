#include "midi/MidiInput.h"

namespace {

enum MidiStatus : uint8_t {
    kNoteOff = 0x80,
    kNoteOn = 0x90,
    kControlChange = 0xB0,
    kPitchBend = 0xE0,
};

constexpr int kAllNotesOffController = 126;  // treated as a note-off

}  // namespace

void MidiInput::handleMessage(uint8_t statusByte, uint8_t data1, uint8_t data2) {
    data1 &= 0x7F;
    data2 &= 0x7F;
    const uint8_t status = statusByte & 0xF0;  // every channel alike
    switch (status) {
        case kNoteOn:
        case kNoteOff: handleNote(data1, status == kNoteOn ? data2 : 0); break;
        case kControlChange:
            if (data1 == kAllNotesOffController)
                target.releaseNote();
            else
                handleController(data1, static_cast<float>(data2) * (1.0f / 127.0f));
            break;
        case kPitchBend:
            // Only the most significant seven bits count: the centre is 64/127.
            handleController(MidiMaps::kPitchBendController,
                             static_cast<float>(data2) * (1.0f / 127.0f));
            break;
        default: break;  // program change, aftertouch, system messages
    }
}

void MidiInput::handleNote(int note, int velocity) {
    if (maps.programLearnArmed) {
        maps.noteProgramMap[note] = maps.programLearnTarget.load();
        maps.programLearnArmed = false;
    }
    if (velocity == 0) {
        target.releaseNote();  // releasing any note, bound or not, stops recording
        return;
    }
    const int32_t program = maps.noteProgramMap[note];
    if (program >= 0)
        target.queueProgramChange(program);
    else
        target.playNote(note);
}

void MidiInput::handleController(int controller, float value) {
    if (maps.controllerLearnArmed) {
        maps.controllerMap[controller] = maps.controllerLearnTarget.load();
        maps.controllerLearnArmed = false;
    }
    const int32_t parameter = maps.controllerMap[controller];
    if (parameter >= 0) target.setParameter(parameter, value);
}
