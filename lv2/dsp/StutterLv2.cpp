#include "lv2/dsp/StutterLv2.h"

#include <array>
#include <new>
#include <string_view>
#include <utility>
#include <vector>

#include <lv2/atom/util.h>
#include <lv2/urid/urid.h>

#include "lv2/PortLayout.h"
#include "lv2/StartClock.h"
#include "params/FactoryPresets.h"
#include "params/ProgramApplyOrder.h"

namespace {

// Ports are applied in the order a program applies its values, then the three
// a program leaves alone.
constexpr auto kPortOrder = [] {
    std::array<int, kNumParams> order{};
    int n = 0;
    for (const int parameter : kProgramApplyOrder) order[n++] = parameter;
    for (const int parameter : kProgramKeeps) order[n++] = parameter;
    return order;
}();

}  // namespace

StutterLv2* StutterLv2::create(double sampleRate, const LV2_Feature* const* features) {
    const LV2_URID_Map* map = nullptr;
    for (int i = 0; features && features[i]; ++i)
        if (std::string_view(features[i]->URI) == LV2_URID__map)
            map = static_cast<const LV2_URID_Map*>(features[i]->data);
    if (!map || !(sampleRate > 0.0)) return nullptr;
    auto* plugin = new (std::nothrow) StutterLv2(*map, sampleRate);
    if (plugin && !plugin->constructedWhole()) {
        delete plugin;
        return nullptr;
    }
    return plugin;
}

StutterLv2::StutterLv2(const LV2_URID_Map& map, double sampleRate)
    : uris(map), startClock(lv2StartClock(sampleRate)), core(*this, &startClock), clock(sampleRate) {
    lv2_atom_forge_init(&forge, const_cast<LV2_URID_Map*>(&map));
    controls.settle([&](int parameter) { return core.getParameter(parameter); });
    made = true;
}

void StutterLv2::parameterChanged(int index, float value) {
    // The engine reports a level under the play position's index, as it tells
    // the VST 2 editor; the positions are published right before.
    if (index == kStatusPlayPos)
        levels.push({value, core.getParameter(kStatusPlayPos), core.getParameter(kStatusRecordPos),
                     core.getParameter(kStatusRecordedLength)});
    else
        notices.post(index, value);
}

const EngineClock* StutterLv2::hostClock(ClockDetail) {
    // While the instance is being made LV2 tells no tempo; afterwards the
    // editor's commands arrive in run(), on the thread that keeps the clock.
    return made ? clock.forBlock() : nullptr;
}

void StutterLv2::connect(uint32_t port, void* data) {
    using namespace lv2_ports;
    if (port >= static_cast<uint32_t>(kNumPorts)) return;
    const int p = static_cast<int>(port);
    if (p < kNumParams)
        controls.connect(p, static_cast<const float*>(data));
    else if (isStatusPort(p))
        status[p - kFirstStatus] = static_cast<float*>(data);
    else if (p == kAudioInLeft || p == kAudioInRight)
        audioIn[p - kAudioInLeft] = static_cast<const float*>(data);
    else if (p == kAudioOutLeft || p == kAudioOutRight)
        audioOut[p - kAudioOutLeft] = static_cast<float*>(data);
    else if (p == kControl)
        controlIn = static_cast<const LV2_Atom_Sequence*>(data);
    else if (p == kNotify)
        notifyOut = static_cast<LV2_Atom_Sequence*>(data);
    else if (p == kTime)
        timeIn = static_cast<const LV2_Atom_Sequence*>(data);
}

void StutterLv2::activate() {
    core.resume(clock.forBlock());
}

void StutterLv2::run(uint32_t frames) {
    // The time first (a port may ask for a bar at the host's tempo), then the
    // ports, then MIDI and the editor's messages in the order they came.
    takePositions();
    if (const int32_t program = pendingFactoryProgram.exchange(-1, std::memory_order_acquire); program >= 0)
        selectFactoryProgram(program);
    if (portsRestored.exchange(false, std::memory_order_acquire)) controls.settleToPorts();
    controls.applyChanges(kPortOrder, [&](int parameter, float value) { core.setParameter(parameter, value); });
    takeMessages();
    if (audioIn[0] && audioIn[1] && audioOut[0] && audioOut[1]) {
        const float* inputs[2] = {audioIn[0], audioIn[1]};
        float* outputs[2] = {audioOut[0], audioOut[1]};
        core.process(inputs, outputs, static_cast<int32_t>(frames), clock.forBlock());
    }
    clock.advance(frames);
    writeStatus();
    writeNotices();
}

void StutterLv2::selectFactoryProgram(int32_t program) {
    writeFactoryPreset(program, core.parameterModel().programRecord(program));
    core.setProgram(program);
    // The preset's ports hold the program's values: taken, not applied again.
    controls.settleToPorts();
}

void StutterLv2::takePositions() {
    takePositions(controlIn);
    takePositions(timeIn);
}

void StutterLv2::takePositions(const LV2_Atom_Sequence* events) {
    if (!events) return;
    LV2_ATOM_SEQUENCE_FOREACH (events, event) {
        const LV2_Atom& body = event->body;
        if (body.type != uris.atomObject && body.type != uris.atomBlank) continue;
        const auto& object = reinterpret_cast<const LV2_Atom_Object&>(body);
        if (object.body.otype == uris.timePosition)
            clock.takePosition(object, uris, static_cast<uint32_t>(event->time.frames));
    }
}

void StutterLv2::takeMessages() {
    if (!controlIn) return;
    LV2_ATOM_SEQUENCE_FOREACH (controlIn, event) {
        const LV2_Atom& body = event->body;
        if (body.type == uris.midiEvent && body.size >= 1) {
            // At the block's start, as the VST 2 version takes its events.
            const auto* bytes = reinterpret_cast<const uint8_t*>(&body + 1);
            core.midiMessage(bytes[0], body.size > 1 ? bytes[1] : 0, body.size > 2 ? bytes[2] : 0);
        } else if (body.type == uris.atomObject || body.type == uris.atomBlank) {
            takeObject(reinterpret_cast<const LV2_Atom_Object&>(body));
        }
    }
}

void StutterLv2::takeObject(const LV2_Atom_Object& object) {
    if (object.body.otype == uris.sendAll) {
        postEveryValue();
        return;
    }
    if (object.body.otype != uris.command) return;
    const LV2_Atom* index = nullptr;
    const LV2_Atom* value = nullptr;
    lv2_atom_object_get(&object, uris.index, &index, uris.number, &value, 0);
    if (!index || !value || index->type != uris.atomInt || value->type != uris.atomFloat) return;
    const int command = reinterpret_cast<const LV2_Atom_Int*>(index)->body;
    // Only the editor's commands: parameters come through their ports.
    if (command < kCmdOffsetOp || command > kCmdTempoLength) return;
    core.setParameter(command, reinterpret_cast<const LV2_Atom_Float*>(value)->body);
}

void StutterLv2::postEveryValue() {
    for (int i = 0; i < kNumParams; ++i) notices.post(i, core.getParameter(i));
    timingAsked.store(true, std::memory_order_release);
}

void StutterLv2::writeStatus() {
    for (int i = 0; i < lv2_ports::kNumStatus; ++i)
        if (status[i]) *status[i] = core.getParameter(kStatusPlayPos + i);
}

void StutterLv2::writeNotices() {
    if (!notifyOut) return;
    // The host gave the buffer's capacity as the size of the sequence.
    const uint32_t capacity = notifyOut->atom.size + static_cast<uint32_t>(sizeof(LV2_Atom));
    lv2_atom_forge_set_buffer(&forge, reinterpret_cast<uint8_t*>(notifyOut), capacity);
    LV2_Atom_Forge_Frame sequence;
    if (!lv2_atom_forge_sequence_head(&forge, &sequence, 0)) return;
    notices.drain([&](int index, float value) { return writeValue(index, value); });
    const float cutoff = static_cast<float>(core.stutterEngine().status().filterFreqHz.load());
    levels.drain([&](const LevelReport& report) { writeLevel(report, cutoff); });
    if (timingAsked.exchange(false, std::memory_order_acquire)) writeTiming();
    lv2_atom_forge_pop(&forge, &sequence);
}

namespace {

// The room an event holding an object of `properties` numbers takes.
constexpr uint32_t objectEventSize(uint32_t properties) {
    return sizeof(LV2_Atom_Event) + sizeof(LV2_Atom_Object) + properties * (sizeof(LV2_Atom_Property_Body) + 8);
}

}  // namespace

bool StutterLv2::writeValue(int index, float value) {
    // Room for the whole object, or it stays pending for the next block.
    if (forge.offset + objectEventSize(2) > forge.size) return false;
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_object(&forge, &object, 0, uris.value);
    lv2_atom_forge_key(&forge, uris.index);
    lv2_atom_forge_int(&forge, index);
    lv2_atom_forge_key(&forge, uris.number);
    lv2_atom_forge_float(&forge, value);
    lv2_atom_forge_pop(&forge, &object);
    return true;
}

void StutterLv2::writeLevel(const LevelReport& report, float cutoff) {
    // Without room the report is dropped: the scope misses one column.
    if (forge.offset + objectEventSize(5) > forge.size) return;
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_object(&forge, &object, 0, uris.level);
    const std::pair<LV2_URID, float> numbers[] = {{uris.number, report.level},
                                                  {uris.playPosition, report.playPos},
                                                  {uris.recordPosition, report.recordPos},
                                                  {uris.recordedLength, report.recordedLength},
                                                  {uris.cutoff, cutoff}};
    for (const auto& [key, number] : numbers) {
        lv2_atom_forge_key(&forge, key);
        lv2_atom_forge_float(&forge, number);
    }
    lv2_atom_forge_pop(&forge, &object);
}

void StutterLv2::writeTiming() {
    if (forge.offset + objectEventSize(2) > forge.size) {
        timingAsked.store(true, std::memory_order_relaxed);
        return;
    }
    const EngineClock* now = clock.forBlock();
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_object(&forge, &object, 0, uris.timing);
    lv2_atom_forge_key(&forge, uris.tempo);
    lv2_atom_forge_float(&forge, now ? static_cast<float>(now->tempo) : 0.0f);
    lv2_atom_forge_key(&forge, uris.sampleRate);
    lv2_atom_forge_float(&forge, static_cast<float>(startClock.sampleRate));
    lv2_atom_forge_pop(&forge, &object);
}

LV2_State_Status StutterLv2::save(LV2_State_Store_Function store, LV2_State_Handle handle) {
    const std::vector<uint8_t> state = core.saveState();
    if (state.empty()) return LV2_STATE_ERR_UNKNOWN;
    return store(handle, uris.stateCore, state.data(), state.size(), uris.atomChunk,
                 LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE);
}

LV2_State_Status StutterLv2::restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle) {
    size_t size = 0;
    uint32_t type = 0;
    uint32_t flags = 0;
    if (const void* data = retrieve(handle, uris.stateCore, &size, &type, &flags)) {
        if (type != uris.atomChunk || !core.loadState(static_cast<const uint8_t*>(data), size))
            return LV2_STATE_ERR_BAD_TYPE;
    } else if (const void* number = retrieve(handle, uris.stateFactoryProgram, &size, &type, &flags)) {
        if (type != uris.atomInt || size != sizeof(int32_t)) return LV2_STATE_ERR_BAD_TYPE;
        const int32_t program = *static_cast<const int32_t*>(number);
        if (program < 0 || program >= factoryPresetCount()) return LV2_STATE_ERR_UNKNOWN;
        // Selected in run(), once the host's time of that block is known, as
        // a VST 2 host selects a program with its time at hand.
        pendingFactoryProgram.store(program, std::memory_order_release);
        return LV2_STATE_SUCCESS;
    } else {
        return LV2_STATE_SUCCESS;  // nothing of ours: ports only
    }
    portsRestored.store(true, std::memory_order_release);
    postEveryValue();
    return LV2_STATE_SUCCESS;
}
