#include "tests/validator/ClapProcessor.h"

#include <clap/ext/note-ports.h>
#include <clap/ext/thread-check.h>
#include <clap/plugin-factory.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace validator {

namespace {

// Calls made inside process, start_processing and stop_processing are the
// audio thread's; every other call the main thread's.
thread_local int audioDepth = 0;
struct AudioThread {
    AudioThread() { ++audioDepth; }
    ~AudioThread() { --audioDepth; }
};

bool isMainThread(const clap_host_t*) { return audioDepth == 0; }
bool isAudioThread(const clap_host_t*) { return audioDepth > 0; }
constexpr clap_host_thread_check_t kThreadCheck = {isMainThread, isAudioThread};

void rescan(const clap_host_t*, clap_param_rescan_flags) {}
void clear(const clap_host_t*, clap_id, clap_param_clear_flags) {}
void requestFlush(const clap_host_t*) {}
constexpr clap_host_params_t kHostParams = {rescan, clear, requestFlush};

const void* hostExtension(const clap_host_t*, const char* id) {
    if (id && std::strcmp(id, CLAP_EXT_THREAD_CHECK) == 0) return &kThreadCheck;
    if (id && std::strcmp(id, CLAP_EXT_PARAMS) == 0) return &kHostParams;
    return nullptr;
}
void hostRequest(const clap_host_t*) {}

// What the plug-in tells the host is taken and forgotten.
bool acceptEvent(const clap_output_events_t*, const clap_event_header_t*) { return true; }
const clap_output_events_t kOutput = {nullptr, acceptEvent};

clap_event_header_t header(uint32_t size, uint32_t time, uint16_t type) {
    return {size, time, CLAP_CORE_EVENT_SPACE_ID, type, 0};
}

}  // namespace

const clap_plugin_entry_t* openClapLibrary(const std::string& path, std::string& error) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        error = dlerror();
        return nullptr;
    }
    const auto* entry = static_cast<const clap_plugin_entry_t*>(dlsym(library, "clap_entry"));
    if (!entry) {
        error = path + ": no clap_entry";
        return nullptr;
    }
    if (!clap_version_is_compatible(entry->clap_version) || !entry->init(path.c_str())) {
        error = path + ": clap_entry refused to start";
        return nullptr;
    }
    return entry;
}

void ClapProcessor::EventList::add(const clap_event_header_t& event) {
    static_assert(sizeof(clap_event_transport_t) <= sizeof(Event::bytes));
    if (count == kMaxEvents || event.size > sizeof(Event::bytes)) return;
    std::memcpy(events[count++].bytes.data(), &event, event.size);
}

ClapProcessor::ClapProcessor(const clap_plugin_entry_t& entry, unsigned seed, bool started) : Processor(seed) {
    host_ = {CLAP_VERSION_INIT, this, "zarvoline-validate", "Velmora", "", "1.0",
             hostExtension, hostRequest, hostRequest, hostRequest};
    const auto* factory = static_cast<const clap_plugin_factory_t*>(entry.get_factory(CLAP_PLUGIN_FACTORY_ID));
    if (!factory || factory->get_plugin_count(factory) == 0) throw std::runtime_error("no plug-in in the factory");
    const clap_plugin_descriptor_t* descriptor = factory->get_plugin_descriptor(factory, 0);
    if (!descriptor) throw std::runtime_error("no descriptor for plug-in 0");
    plugin_ = factory->create_plugin(factory, &host_, descriptor->id);
    if (!plugin_) throw std::runtime_error("the factory made no instance");
    if (!plugin_->init(plugin_)) {
        plugin_->destroy(plugin_);
        throw std::runtime_error("the instance's init failed");
    }
    params_ = static_cast<const clap_plugin_params_t*>(plugin_->get_extension(plugin_, CLAP_EXT_PARAMS));
    const auto* notes = static_cast<const clap_plugin_note_ports_t*>(plugin_->get_extension(plugin_, CLAP_EXT_NOTE_PORTS));
    takesMidi_ = notes && notes->count(plugin_, true) > 0;
    if (started) start();
}

ClapProcessor::~ClapProcessor() {
    suspend();
    plugin_->destroy(plugin_);
}

int ClapProcessor::parameterCount() const { return params_ ? static_cast<int>(params_->count(plugin_)) : 0; }

// A float from 0 to 1 (any float, as hosts send) is the parameter's range scaled.
void ClapProcessor::setParameter(int index, float value) {
    if (!params_) return;
    clap_param_info_t info{};
    if (!params_->get_info(plugin_, static_cast<uint32_t>(index), &info)) return;
    clap_event_param_value_t event{};
    event.header = header(sizeof event, 0, CLAP_EVENT_PARAM_VALUE);
    event.param_id = info.id;
    event.cookie = info.cookie;
    event.note_id = -1;
    event.port_index = event.channel = event.key = -1;
    event.value = info.min_value + static_cast<double>(value) * (info.max_value - info.min_value);
    if (active_) {  // for the audio thread's next block
        std::lock_guard<std::mutex> lock(pendingMutex_);
        pending_.add(event.header);
        return;
    }
    EventList one;
    one.add(event.header);
    clap_input_events_t in = {&one, [](const clap_input_events_t* list) { return static_cast<const EventList*>(list->ctx)->count; },
                              [](const clap_input_events_t* list, uint32_t i) {
                                  return reinterpret_cast<const clap_event_header_t*>(
                                      static_cast<const EventList*>(list->ctx)->events[i].bytes.data());
                              }};
    params_->flush(plugin_, &in, &kOutput);
}

float ClapProcessor::parameter(int index) const {
    clap_param_info_t info{};
    double value = 0.0;
    if (!params_ || !params_->get_info(plugin_, static_cast<uint32_t>(index), &info) ||
        !params_->get_value(plugin_, info.id, &value))
        return 0.0f;
    return info.max_value > info.min_value ? static_cast<float>((value - info.min_value) / (info.max_value - info.min_value))
                                           : 0.0f;
}

std::string ClapProcessor::parameterTextFault(int index) const {
    const std::string where = "parameter " + std::to_string(index);
    clap_param_info_t info;
    std::memset(&info, 0x5A, sizeof info);
    if (!params_->get_info(plugin_, static_cast<uint32_t>(index), &info)) return where + ": no info";
    if (!std::memchr(info.name, 0, sizeof info.name) || info.name[0] == 0) return where + ": a name without an end or empty";
    if (!(info.min_value <= info.default_value && info.default_value <= info.max_value))
        return where + ": a default outside its range";
    double value = 0.0;
    if (!params_->get_value(plugin_, info.id, &value)) return where + ": no value";
    if (!(info.min_value <= value && value <= info.max_value))
        return where + " reads " + std::to_string(value) + ", outside its range";
    // The text of the value into a buffer of 64 within a larger one filled with a marker.
    constexpr char kMarker = 0x5A;
    char text[1024];
    std::memset(text, kMarker, sizeof text);
    if (!params_->value_to_text(plugin_, info.id, value, text, 64)) return where + ": no text for its value";
    if (!std::memchr(text, 0, 64)) return where + ": a value text without its end within 64 bytes";
    for (size_t i = 64; i < sizeof text; ++i)
        if (text[i] != kMarker) return where + ": the value text ran past the 64 bytes given";
    if (text[0] == 0) return where + ": an empty value text";
    double read = 0.0;
    if (!params_->text_to_value(plugin_, info.id, text, &read)) return where + ": its own text \"" + text + "\" not read back";
    if (!(info.min_value <= read && read <= info.max_value)) return where + ": text read back outside its range";
    return {};
}

// A new rate or block size takes a deactivation, as CLAP fixes both on activation.
void ClapProcessor::configure(double sampleRate, int maxBlock) {
    suspend();
    sampleRate_ = sampleRate;
    maxFrames_ = static_cast<uint32_t>(std::max(maxBlock, 1));
}

void ClapProcessor::resume() {
    if (active_) return;
    // A host refuses to go on with a rate the plug-in will not take; blocks
    // are then not processed at all.
    if (!plugin_->activate(plugin_, sampleRate_, 1, maxFrames_)) return;
    AudioThread audio;
    if (!plugin_->start_processing(plugin_)) {
        plugin_->deactivate(plugin_);
        return;
    }
    active_ = true;
}

void ClapProcessor::suspend() {
    if (!active_) return;
    {
        AudioThread audio;
        plugin_->stop_processing(plugin_);
    }
    plugin_->deactivate(plugin_);
    active_ = false;
}

void ClapProcessor::process(float** inputs, float** outputs, int frames, int blockNumber) {
    if (!active_) {  // a host holds back the blocks of an inactive plug-in; the outputs are its silence
        for (int c = 0; c < 2; ++c) std::fill_n(outputs[c], frames, 0.0f);
        return;
    }
    block_.count = 0;
    {
        std::lock_guard<std::mutex> lock(pendingMutex_);
        for (uint32_t i = 0; i < pending_.count; ++i)
            block_.add(*reinterpret_cast<const clap_event_header_t*>(pending_.events[i].bytes.data()));
        pending_.count = 0;
    }
    if (takesMidi_ && frames > 0 && blockNumber % 3 == 0) {
        const MidiMessages messages = blockMidi(blockNumber);
        for (int i = 0; i < 4; ++i) {
            clap_event_midi_t midi{};
            midi.header = header(sizeof midi, static_cast<uint32_t>(frames * i / 4), CLAP_EVENT_MIDI);
            std::memcpy(midi.data, messages[i].data(), 3);
            block_.add(midi.header);
        }
    }
    clap_event_transport_t transport{};
    transport.header = header(sizeof transport, 0, CLAP_EVENT_TRANSPORT);
    transport.flags = CLAP_TRANSPORT_HAS_TEMPO | CLAP_TRANSPORT_HAS_BEATS_TIMELINE | CLAP_TRANSPORT_HAS_SECONDS_TIMELINE |
                      (transport_.playing ? CLAP_TRANSPORT_IS_PLAYING : 0);
    transport.tempo = transport_.tempo;
    // Positions as a host's fixed point holds them; absurd ones saturate as its integers would.
    const auto fixed = [](double x) {
        const double scaled = x * static_cast<double>(CLAP_BEATTIME_FACTOR);
        return std::isfinite(scaled) && std::fabs(scaled) < 9.2e18 ? static_cast<int64_t>(scaled) : int64_t{0};
    };
    transport.song_pos_beats = fixed(transport_.ppqPos);
    transport.song_pos_seconds = fixed(transport_.samplePos / sampleRate_);
    transport.tsig_num = transport.tsig_denom = 4;

    clap_audio_buffer_t in{inputs, nullptr, 2, 0, 0}, out{outputs, nullptr, 2, 0, 0};
    const clap_input_events_t events = {
        &block_, [](const clap_input_events_t* list) { return static_cast<const EventList*>(list->ctx)->count; },
        [](const clap_input_events_t* list, uint32_t i) {
            return reinterpret_cast<const clap_event_header_t*>(static_cast<const EventList*>(list->ctx)->events[i].bytes.data());
        }};
    clap_process_t process{};
    process.steady_time = -1;
    process.frames_count = static_cast<uint32_t>(frames);
    process.transport = transport_.provided ? &transport : nullptr;
    process.audio_inputs = &in;
    process.audio_outputs = &out;
    process.audio_inputs_count = process.audio_outputs_count = 1;
    process.in_events = &events;
    process.out_events = &kOutput;
    AudioThread audio;
    plugin_->process(plugin_, &process);
}

}  // namespace validator
