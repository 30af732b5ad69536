// MIDI from the host: notes play the effect or recall programs, controllers
// and pitch bend drive parameters, and the learn modes bind the next message.
// Everything is applied at once, when the event list arrives; program changes
// wait in the deferred queue for the Rec Sync grid.
#include "plugin/StutterEffect.h"

namespace {

enum MidiStatus : uint8_t {
    kNoteOff = 0x80,
    kNoteOn = 0x90,
    kControlChange = 0xB0,
    kPitchBend = 0xE0,
};

constexpr int kAllNotesOffController = 126;  // treated as a note-off

}  // namespace

VstInt32 StutterEffect::processEvents(VstEvents* events) {
    if (!events) return 1;
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = events->events[i];
        // Only whole MIDI events: a short byteSize would leave the bytes unread.
        if (!event || event->type != kVstMidiType ||
            event->byteSize < static_cast<VstInt32>(sizeof(VstMidiEvent) - 8))
            continue;
        const auto* midiEvent = reinterpret_cast<const VstMidiEvent*>(event);
        const auto* bytes = reinterpret_cast<const uint8_t*>(midiEvent->midiData);
        handleMidiMessage(bytes[0], bytes[1] & 0x7F, bytes[2] & 0x7F);
    }
    return 1;
}

void StutterEffect::handleMidiMessage(uint8_t statusByte, uint8_t data1, uint8_t data2) {
    const uint8_t status = statusByte & 0xF0;  // every channel alike
    switch (status) {
        case kNoteOn:
        case kNoteOff: handleNote(data1, status == kNoteOn ? data2 : 0); break;
        case kControlChange:
            if (data1 == kAllNotesOffController)
                noteTriggerOff();
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

void StutterEffect::handleNote(int note, int velocity) {
    if (midi.programLearnArmed) {
        midi.noteProgramMap[note] = midi.programLearnTarget.load();
        midi.programLearnArmed = false;
    }
    if (velocity == 0) {
        noteTriggerOff();  // releasing any note, bound or not, stops recording
        return;
    }
    const int32_t program = midi.noteProgramMap[note];
    if (program >= 0)
        queueDeferredCommand(kDeferredProgramChange, program);
    else
        noteTriggerOn(note);
}

void StutterEffect::handleController(int controller, float value) {
    if (midi.controllerLearnArmed) {
        midi.controllerMap[controller] = midi.controllerLearnTarget.load();
        midi.controllerLearnArmed = false;
    }
    const int32_t parameter = midi.controllerMap[controller];
    if (parameter >= 0) setParameter(parameter, value);
}

void StutterEffect::noteTriggerOn(int note) {
    engine.modulatorStep = 0;
    setParameter(kRecord, 1.0f);
    midi.heldNote = note;
    midi.noteHeld = true;
}

void StutterEffect::noteTriggerOff() {
    midi.noteHeld = false;
    setParameter(kRecord, 0.0f);
}
