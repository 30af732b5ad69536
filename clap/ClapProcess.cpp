// The audio thread's work: each block is cut at every event's frame, the
// event applied there and the core run over the frames between. CLAP's
// events are sample-accurate, so a parameter change lands on the frame the
// host meant, exactly as if the host had cut the block there itself.
#include <clap/ext/params.h>

#include <algorithm>
#include <cmath>

#include "clap/ClapPlugin.h"
#include "clap/ParamShapes.h"
#include "clap/TransportClock.h"

namespace {

uint8_t midiByte(double v) { return static_cast<uint8_t>(std::clamp(v, 0.0, 127.0)); }

// CLAP note velocities run 0 to 1; a note-on keeps at least MIDI velocity 1,
// since 0 would read as a note-off.
uint8_t noteOnVelocity(double velocity) {
    if (!(velocity > 0.0)) return 1;
    return std::max<uint8_t>(1, midiByte(std::round(velocity * 127.0)));
}

}  // namespace

bool ClapPlugin::pickBuffers(const clap_process_t& process) {
    const uint32_t frames = process.frames_count;
    const bool room = frames <= maxFrames_;
    const clap_audio_buffer_t* in = process.audio_inputs_count > 0 ? process.audio_inputs : nullptr;
    const clap_audio_buffer_t* out = process.audio_outputs_count > 0 ? process.audio_outputs : nullptr;
    const bool inUsable = in && in->data32 && in->channel_count > 0 && in->data32[0];
    const bool outUsable = out && out->data32 && out->channel_count > 0 && out->data32[0];
    if ((!inUsable || !outUsable) && !room) return false;
    if (inUsable) {
        inputs_[0] = in->data32[0];
        inputs_[1] = in->channel_count > 1 && in->data32[1] ? in->data32[1] : in->data32[0];
    } else {
        inputs_[0] = inputs_[1] = silence_.data();
    }
    if (outUsable) {
        outputs_[0] = out->data32[0];
        outputs_[1] = out->channel_count > 1 && out->data32[1] ? out->data32[1] : sink_.data();
        if (outputs_[1] == sink_.data() && !room) return false;
    } else {
        outputs_[0] = outputs_[1] = sink_.data();
    }
    return true;
}

clap_process_status ClapPlugin::process(const clap_process_t& process) {
    threads_.audioThread("process");
    if (!active_ || !core_) return CLAP_PROCESS_ERROR;
    if (!pickBuffers(process)) return CLAP_PROCESS_ERROR;
    const uint32_t frames = process.frames_count;
    clock_ = clockFromTransport(process.transport, sampleRate_);
    clockFrame_ = 0;
    frame_ = 0;
    const ProcessingScope scope(this);
    syncLengthOnceTempoKnown();
    uint32_t done = 0;
    const clap_input_events_t* in = process.in_events;
    const uint32_t count = in && in->size && in->get ? in->size(in) : 0;
    for (uint32_t i = 0; i < count; ++i) {
        const clap_event_header_t* event = in->get(in, i);
        if (event == nullptr) continue;
        // Events come in time order; one out of order or past the block's end
        // applies where the block has got to, or at its end.
        const uint32_t at = std::clamp(event->time, done, frames);
        runSpan(done, at);
        done = frame_ = at;
        applyEvent(*event, at);
    }
    runSpan(done, frames);
    publishClock();
    tellChanges(process.out_events, frames > 0 ? frames - 1 : 0);
    return CLAP_PROCESS_CONTINUE;
}

EngineClock ClapPlugin::clockAt(uint32_t frame) const {
    EngineClock clock = clock_;
    if (clock.known && clock.playing) clock.samplePosition += static_cast<double>(frame - clockFrame_);
    return clock;
}

void ClapPlugin::syncLengthOnceTempoKnown() {
    if (!(clock_.known && clock_.tempo > 0.0) || !syncAwaitsTempo_.exchange(false)) return;
    const float sync = core_->getParameter(kBpmSync);
    if (sync != 0.0f) core_->setParameter(kBpmSync, sync);
}

void ClapPlugin::runSpan(uint32_t from, uint32_t to) {
    frame_ = from;
    if (to <= from) return;
    const float* in[2] = {inputs_[0] + from, inputs_[1] + from};
    float* out[2] = {outputs_[0] + from, outputs_[1] + from};
    // A sink or silence stand-in is shared by every span: its start, not the span's frame.
    for (int c = 0; c < 2; ++c) {
        if (inputs_[c] == silence_.data()) in[c] = silence_.data();
        if (outputs_[c] == sink_.data()) out[c] = sink_.data();
    }
    const EngineClock clock = clockAt(from);
    core_->process(in, out, static_cast<int32_t>(to - from), clock.known ? &clock : nullptr);
}

void ClapPlugin::applyEvent(const clap_event_header_t& event, uint32_t frame) {
    if (event.space_id != CLAP_CORE_EVENT_SPACE_ID) return;
    switch (event.type) {
        case CLAP_EVENT_PARAM_VALUE: {
            if (event.size < sizeof(clap_event_param_value_t)) return;
            const auto& param = reinterpret_cast<const clap_event_param_value_t&>(event);
            applyParamValue(param.param_id, param.value);
            break;
        }
        case CLAP_EVENT_NOTE_ON:
        case CLAP_EVENT_NOTE_OFF:
        case CLAP_EVENT_NOTE_CHOKE: {
            if (event.size < sizeof(clap_event_note_t)) return;
            const auto& note = reinterpret_cast<const clap_event_note_t&>(event);
            if (note.key < 0 || note.key > 127) return;  // -1: every key, which no note of ours is
            const uint8_t channel = static_cast<uint8_t>(note.channel >= 0 && note.channel < 16 ? note.channel : 0);
            const uint8_t key = static_cast<uint8_t>(note.key);
            if (event.type == CLAP_EVENT_NOTE_ON)
                core_->midiMessage(static_cast<uint8_t>(0x90 | channel), key, noteOnVelocity(note.velocity));
            else
                core_->midiMessage(static_cast<uint8_t>(0x80 | channel), key, 0);
            break;
        }
        case CLAP_EVENT_MIDI: {
            if (event.size < sizeof(clap_event_midi_t)) return;
            const auto& midi = reinterpret_cast<const clap_event_midi_t&>(event);
            core_->midiMessage(midi.data[0], midi.data[1] & 0x7F, midi.data[2] & 0x7F);
            break;
        }
        case CLAP_EVENT_TRANSPORT: {
            if (event.size < sizeof(clap_event_transport_t)) return;
            clock_ = clockFromTransport(reinterpret_cast<const clap_event_transport_t*>(&event), sampleRate_);
            clockFrame_ = frame;
            break;
        }
        default: break;  // modulation, expressions, gestures and sysex: nothing of ours
    }
}

void ClapPlugin::publishClock() {
    lastKnown_.store(clock_.known, std::memory_order_relaxed);
    lastPlaying_.store(clock_.playing, std::memory_order_relaxed);
    lastTempo_.store(clock_.tempo, std::memory_order_relaxed);
    lastPosition_.store(clock_.samplePosition, std::memory_order_relaxed);
}

bool ClapPlugin::pushEdit(const clap_output_events_t* out, const EditorEvent& edit, uint32_t frame) {
    if (edit.kind == EditorEvent::kValue) {
        clap_event_param_value_t event{};
        event.header = {sizeof event, frame, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
        event.param_id = edit.param;
        event.note_id = -1;
        event.port_index = event.channel = event.key = -1;
        event.value = edit.value;
        return out->try_push(out, &event.header);
    }
    clap_event_param_gesture_t event{};
    const uint16_t type = edit.kind == EditorEvent::kBegin ? CLAP_EVENT_PARAM_GESTURE_BEGIN : CLAP_EVENT_PARAM_GESTURE_END;
    event.header = {sizeof event, frame, CLAP_CORE_EVENT_SPACE_ID, type, 0};
    event.param_id = edit.param;
    return out->try_push(out, &event.header);
}

void ClapPlugin::tellChanges(const clap_output_events_t* out, uint32_t frame) {
    if (out == nullptr || out->try_push == nullptr) return;
    // The window's edits first, in the order the user made them.
    EditorEvent edit;
    while (edits_.peek(edit)) {
        if (!pushEdit(out, edit, frame)) break;  // the host's list is full: the rest next time
        edits_.pop();
    }
    uint64_t bits = changed_.take();
    while (bits != 0) {
        const int index = __builtin_ctzll(bits);
        bits &= bits - 1;
        clap_event_param_value_t event{};
        event.header.size = sizeof event;
        event.header.time = frame;
        event.header.space_id = CLAP_CORE_EVENT_SPACE_ID;
        event.header.type = CLAP_EVENT_PARAM_VALUE;
        event.header.flags = 0;
        event.param_id = static_cast<clap_id>(index);
        event.note_id = -1;
        event.port_index = -1;
        event.channel = -1;
        event.key = -1;
        event.value = clapValueOf(index, core_->getParameter(index));
        if (!out->try_push(out, &event.header)) {
            changed_.mark(index);  // the host's list is full: tell it next time
        }
    }
}
