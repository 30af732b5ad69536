#include "tests/lv2/Lv2Host.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include <lv2/atom/util.h>
#include <lv2/midi/midi.h>
#include <lv2/presets/presets.h>
#include <lv2/time/time.h>

#include "lv2/BundleUris.h"

namespace lv2_test {

UridMap::UridMap() {
    mapData = {this, [](LV2_URID_Map_Handle h, const char* uri) { return static_cast<UridMap*>(h)->map(uri); }};
    unmapData = {this, [](LV2_URID_Unmap_Handle h, LV2_URID urid) { return static_cast<UridMap*>(h)->unmap(urid); }};
    mapFeatureData = {LV2_URID__map, &mapData};
    unmapFeatureData = {LV2_URID__unmap, &unmapData};
    featureList = {&mapFeatureData, &unmapFeatureData, nullptr};
}

LV2_URID UridMap::map(const char* uri) {
    const std::lock_guard<std::mutex> hold(guard);
    const auto [where, added] = ids.try_emplace(uri, static_cast<LV2_URID>(uris.size() + 1));
    if (added) uris.push_back(std::make_unique<std::string>(uri));
    return where->second;
}

const char* UridMap::unmap(LV2_URID urid) {
    const std::lock_guard<std::mutex> hold(guard);
    return urid >= 1 && urid <= uris.size() ? uris[urid - 1]->c_str() : nullptr;
}

World::World() : world(lilv_world_new()) {
    LilvNode* bundle = lilv_new_file_uri(world, nullptr, ZARVOLINE_LV2_BUNDLE "/");
    lilv_world_load_bundle(world, bundle);
    lilv_node_free(bundle);
    LilvNode* uri = lilv_new_uri(world, ZARVOLINE_LV2_URI);
    pluginData = lilv_plugins_get_by_uri(lilv_world_get_all_plugins(world), uri);
    lilv_node_free(uri);
    if (!pluginData) throw std::runtime_error("no plug-in " ZARVOLINE_LV2_URI " in " ZARVOLINE_LV2_BUNDLE);
}

World::~World() { lilv_world_free(world); }

std::vector<std::pair<std::string, std::string>> World::presets() const {
    std::vector<std::pair<std::string, std::string>> list;
    LilvNode* presetClass = lilv_new_uri(world, LV2_PRESETS__Preset);
    LilvNode* label = lilv_new_uri(world, LILV_NS_RDFS "label");
    LilvNodes* related = lilv_plugin_get_related(pluginData, presetClass);
    LILV_FOREACH (nodes, i, related) {
        const LilvNode* preset = lilv_nodes_get(related, i);
        lilv_world_load_resource(world, preset);
        LilvNode* name = lilv_world_get(world, preset, label, nullptr);
        list.emplace_back(lilv_node_as_uri(preset), name ? lilv_node_as_string(name) : "");
        lilv_node_free(name);
    }
    lilv_nodes_free(related);
    lilv_node_free(label);
    lilv_node_free(presetClass);
    return list;
}

namespace {

constexpr size_t kEventBufferWords = 8192;  // 64 KiB

int portBySymbol(const LilvPlugin* plugin, LilvWorld* world, const char* symbol) {
    LilvNode* node = lilv_new_string(world, symbol);
    const LilvPort* port = lilv_plugin_get_port_by_symbol(plugin, node);
    lilv_node_free(node);
    return port ? static_cast<int>(lilv_port_get_index(plugin, port)) : -1;
}

}  // namespace

Instance::Instance(World& w, double rate)
    : world(w), controlBuffer(kEventBufferWords), notifyBuffer(kEventBufferWords), timeBuffer(kEventBufferWords) {
    instance = lilv_plugin_instantiate(world.plugin(), rate, world.urids().features());
    if (!instance) return;
    std::vector<float> defaults(lilv_plugin_get_num_ports(world.plugin()));
    lilv_plugin_get_port_ranges_float(world.plugin(), nullptr, nullptr, defaults.data());
    for (int port = 0; port < lv2_ports::kNumPorts; ++port) {
        if (port < lv2_ports::kFirstStatus) controls[port] = defaults[port];
        lilv_instance_connect_port(instance, port, &controls[port]);
    }
    for (int channel = 0; channel < 4; ++channel) {
        audio[channel].assign(kMaxBlock, 0.0f);
        lilv_instance_connect_port(instance, lv2_ports::kAudioInLeft + channel, audio[channel].data());
    }
    lilv_instance_connect_port(instance, lv2_ports::kControl, controlBuffer.data());
    lilv_instance_connect_port(instance, lv2_ports::kNotify, notifyBuffer.data());
    lilv_instance_connect_port(instance, lv2_ports::kTime, timeBuffer.data());
    lv2_atom_forge_init(&forge, world.urids().mapFeature());
    lv2_atom_forge_init(&timeForge, world.urids().mapFeature());
    startSequences();
}

Instance::~Instance() {
    if (!instance) return;
    if (active) lilv_instance_deactivate(instance);
    lilv_instance_free(instance);
}

void Instance::activate() {
    lilv_instance_activate(instance);
    active = true;
}

void Instance::deactivate() {
    lilv_instance_deactivate(instance);
    active = false;
}

void Instance::startSequences() {
    lv2_atom_forge_set_buffer(&forge, reinterpret_cast<uint8_t*>(controlBuffer.data()),
                              controlBuffer.size() * sizeof(uint64_t));
    lv2_atom_forge_sequence_head(&forge, &sequenceFrame, 0);
    lv2_atom_forge_set_buffer(&timeForge, reinterpret_cast<uint8_t*>(timeBuffer.data()),
                              timeBuffer.size() * sizeof(uint64_t));
    lv2_atom_forge_sequence_head(&timeForge, &timeFrame, 0);
}

void Instance::processInPlace() {
    inPlace = true;
    lilv_instance_connect_port(instance, lv2_ports::kAudioOutLeft, audio[0].data());
    lilv_instance_connect_port(instance, lv2_ports::kAudioOutRight, audio[1].data());
}

void Instance::queueMidi(uint8_t status, uint8_t data1, uint8_t data2) {
    const uint8_t message[3] = {status, data1, data2};
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_atom(&forge, 3, world.urids().map(LV2_MIDI__MidiEvent));
    lv2_atom_forge_write(&forge, message, 3);
}

void Instance::queuePosition(int64_t frame, float speed, float beatsPerMinute, bool onControl) {
    UridMap& u = world.urids();
    LV2_Atom_Forge* f = onControl ? &forge : &timeForge;
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(f, 0);
    lv2_atom_forge_object(f, &object, 0, u.map(LV2_TIME__Position));
    lv2_atom_forge_key(f, u.map(LV2_TIME__frame));
    lv2_atom_forge_long(f, frame);
    lv2_atom_forge_key(f, u.map(LV2_TIME__speed));
    lv2_atom_forge_float(f, speed);
    lv2_atom_forge_key(f, u.map(LV2_TIME__beatsPerMinute));
    lv2_atom_forge_float(f, beatsPerMinute);
    lv2_atom_forge_pop(f, &object);
}

void Instance::queueCommand(int index, float value) {
    UridMap& u = world.urids();
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_object(&forge, &object, 0, u.map(ZARVOLINE_LV2_MSG_COMMAND));
    lv2_atom_forge_key(&forge, u.map(ZARVOLINE_LV2_MSG_INDEX));
    lv2_atom_forge_int(&forge, index);
    lv2_atom_forge_key(&forge, u.map(ZARVOLINE_LV2_MSG_NUMBER));
    lv2_atom_forge_float(&forge, value);
    lv2_atom_forge_pop(&forge, &object);
}

void Instance::queueSendAll() {
    LV2_Atom_Forge_Frame object;
    lv2_atom_forge_frame_time(&forge, 0);
    lv2_atom_forge_object(&forge, &object, 0, world.urids().map(ZARVOLINE_LV2_MSG_SEND_ALL));
    lv2_atom_forge_pop(&forge, &object);
}

void Instance::run(const float* inLeft, const float* inRight, float* outLeft, float* outRight, uint32_t frames) {
    frames = prepare(inLeft, inRight, frames);
    runPlugin(frames);
    finish(outLeft, outRight, frames);
}

uint32_t Instance::prepare(const float* inLeft, const float* inRight, uint32_t frames) {
    frames = std::min(frames, kMaxBlock);
    std::copy_n(inLeft, frames, audio[0].data());
    std::copy_n(inRight, frames, audio[1].data());
    // An output sequence starts as an empty chunk the size of the buffer.
    auto* notify = reinterpret_cast<LV2_Atom*>(notifyBuffer.data());
    notify->size = static_cast<uint32_t>(notifyBuffer.size() * sizeof(uint64_t) - sizeof(LV2_Atom));
    notify->type = world.urids().map(LV2_ATOM__Chunk);
    return frames;
}

void Instance::finish(float* outLeft, float* outRight, uint32_t frames) {
    std::copy_n(audio[inPlace ? 0 : 2].data(), frames, outLeft);
    std::copy_n(audio[inPlace ? 1 : 3].data(), frames, outRight);
    collectNotices();
    startSequences();
}

void Instance::collectNotices() {
    UridMap& u = world.urids();
    const auto* sequence = reinterpret_cast<const LV2_Atom_Sequence*>(notifyBuffer.data());
    notifications.clear();
    if (sequence->atom.type != u.map(LV2_ATOM__Sequence)) return;
    LV2_ATOM_SEQUENCE_FOREACH (sequence, event) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&event->body);
        notifications.emplace_back(bytes, bytes + lv2_atom_total_size(&event->body));
        const auto* object = reinterpret_cast<const LV2_Atom_Object*>(&event->body);
        if (event->body.type != u.map(LV2_ATOM__Object) || object->body.otype != u.map(ZARVOLINE_LV2_MSG_VALUE))
            continue;
        const LV2_Atom* index = nullptr;
        const LV2_Atom* value = nullptr;
        lv2_atom_object_get(object, u.map(ZARVOLINE_LV2_MSG_INDEX), &index, u.map(ZARVOLINE_LV2_MSG_NUMBER),
                            &value, 0);
        if (index && value && index->type == u.map(LV2_ATOM__Int) && value->type == u.map(LV2_ATOM__Float))
            notices.push_back({reinterpret_cast<const LV2_Atom_Int*>(index)->body,
                               reinterpret_cast<const LV2_Atom_Float*>(value)->body});
    }
}

std::vector<Notice> Instance::takeNotices() { return std::exchange(notices, {}); }

LilvState* Instance::saveState() {
    const auto valueOf = [](const char* symbol, void* self, uint32_t* size, uint32_t* type) -> const void* {
        auto* me = static_cast<Instance*>(self);
        const int port = portBySymbol(me->world.plugin(), me->world.lilv(), symbol);
        if (port < 0 || port >= lv2_ports::kFirstStatus) return nullptr;
        *size = sizeof(float);
        *type = me->world.urids().map(LV2_ATOM__Float);
        return &me->controls[port];
    };
    return lilv_state_new_from_instance(world.plugin(), instance, world.urids().mapFeature(), nullptr, nullptr,
                                        nullptr, nullptr, valueOf, this,
                                        LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE, world.urids().features());
}

void Instance::restoreState(const LilvState* state) {
    const auto setValue = [](const char* symbol, void* self, const void* value, uint32_t size, uint32_t type) {
        auto* me = static_cast<Instance*>(self);
        const int port = portBySymbol(me->world.plugin(), me->world.lilv(), symbol);
        if (port < 0 || port >= lv2_ports::kFirstStatus) return;
        UridMap& u = me->world.urids();
        if (type == u.map(LV2_ATOM__Float) && size == sizeof(float))
            std::memcpy(&me->controls[port], value, sizeof(float));
        else if (type == u.map(LV2_ATOM__Double) && size == sizeof(double))
            me->controls[port] = static_cast<float>(*static_cast<const double*>(value));
        else if (type == u.map(LV2_ATOM__Int) && size == sizeof(int32_t))
            me->controls[port] = static_cast<float>(*static_cast<const int32_t*>(value));
    };
    lilv_state_restore(state, instance, setValue, this, 0, world.urids().features());
}

void Instance::loadPreset(const std::string& uri) {
    LilvNode* node = lilv_new_uri(world.lilv(), uri.c_str());
    lilv_world_load_resource(world.lilv(), node);
    LilvState* state = lilv_state_new_from_world(world.lilv(), world.urids().mapFeature(), node);
    lilv_node_free(node);
    if (!state) throw std::runtime_error("no preset " + uri);
    restoreState(state);
    lilv_state_free(state);
}

std::vector<uint8_t> Instance::saveChunk() {
    const auto* state = static_cast<const LV2_State_Interface*>(
        lilv_instance_get_extension_data(instance, LV2_STATE__interface));
    struct Saved {
        UridMap* urids;
        std::vector<uint8_t> bytes;
    } saved{&world.urids(), {}};
    const auto store = [](LV2_State_Handle handle, uint32_t key, const void* value, size_t size, uint32_t,
                          uint32_t) -> LV2_State_Status {
        auto* into = static_cast<Saved*>(handle);
        if (key == into->urids->map(ZARVOLINE_LV2_STATE_CORE))
            into->bytes.assign(static_cast<const uint8_t*>(value), static_cast<const uint8_t*>(value) + size);
        return LV2_STATE_SUCCESS;
    };
    state->save(lilv_instance_get_handle(instance), store, &saved, LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE,
                world.urids().features());
    return saved.bytes;
}

LV2_State_Status Instance::restoreChunk(const std::vector<uint8_t>& bytes) {
    const auto* state = static_cast<const LV2_State_Interface*>(
        lilv_instance_get_extension_data(instance, LV2_STATE__interface));
    struct Given {
        UridMap* urids;
        const std::vector<uint8_t>* bytes;
    } given{&world.urids(), &bytes};
    const auto retrieve = [](LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type,
                             uint32_t* flags) -> const void* {
        auto* from = static_cast<Given*>(handle);
        if (key != from->urids->map(ZARVOLINE_LV2_STATE_CORE)) return nullptr;
        *size = from->bytes->size();
        *type = from->urids->map(LV2_ATOM__Chunk);
        *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
        return from->bytes->data();
    };
    return state->restore(lilv_instance_get_handle(instance), retrieve, &given, 0, world.urids().features());
}

}  // namespace lv2_test
