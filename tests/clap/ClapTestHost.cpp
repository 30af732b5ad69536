#include "tests/clap/ClapTestHost.h"

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <stdexcept>

namespace {

thread_local int audioDepth = 0;

ClapTestHost& hostOf(const clap_host_t* host) { return *static_cast<ClapTestHost*>(host->host_data); }

}  // namespace

const clap_plugin_entry_t& clapEntry() {
    static const clap_plugin_entry_t* entry = [] {
        void* library = dlopen(ZARVOLINE_CLAP_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!library) throw std::runtime_error(std::string("dlopen: ") + dlerror());
        auto* found = static_cast<const clap_plugin_entry_t*>(dlsym(library, "clap_entry"));
        if (!found) throw std::runtime_error("no clap_entry in " ZARVOLINE_CLAP_PATH);
        if (!found->init(ZARVOLINE_CLAP_PATH)) throw std::runtime_error("clap_entry.init refused");
        return found;
    }();
    return *entry;
}

const clap_plugin_factory_t& clapFactory() {
    auto* factory = static_cast<const clap_plugin_factory_t*>(clapEntry().get_factory(CLAP_PLUGIN_FACTORY_ID));
    if (!factory) throw std::runtime_error("no plug-in factory");
    return *factory;
}

// --- Events in ---

ClapEventList::ClapEventList() {
    input_.ctx = this;
    input_.size = [](const clap_input_events_t* list) {
        return static_cast<uint32_t>(static_cast<const ClapEventList*>(list->ctx)->events_.size());
    };
    input_.get = [](const clap_input_events_t* list, uint32_t index) -> const clap_event_header_t* {
        const auto& events = static_cast<const ClapEventList*>(list->ctx)->events_;
        if (index >= events.size()) return nullptr;
        return reinterpret_cast<const clap_event_header_t*>(events[index].data());
    };
}

void ClapEventList::add(const clap_event_header_t& event) {
    std::vector<uint8_t> bytes(event.size);
    std::memcpy(bytes.data(), &event, event.size);
    // After every event of the same time or earlier: stable, in time order.
    auto at = std::upper_bound(events_.begin(), events_.end(), event.time,
                               [](uint32_t time, const std::vector<uint8_t>& e) {
                                   return time < reinterpret_cast<const clap_event_header_t*>(e.data())->time;
                               });
    events_.insert(at, std::move(bytes));
}

namespace {

clap_event_header_t header(uint32_t size, uint32_t time, uint16_t type) {
    return {size, time, CLAP_CORE_EVENT_SPACE_ID, type, 0};
}

}  // namespace

void ClapEventList::paramValue(uint32_t time, clap_id id, double value) {
    clap_event_param_value_t event{};
    event.header = header(sizeof event, time, CLAP_EVENT_PARAM_VALUE);
    event.param_id = id;
    event.note_id = -1;
    event.port_index = -1;
    event.channel = -1;
    event.key = -1;
    event.value = value;
    add(event.header);
}

void ClapEventList::midi(uint32_t time, uint8_t status, uint8_t data1, uint8_t data2) {
    clap_event_midi_t event{};
    event.header = header(sizeof event, time, CLAP_EVENT_MIDI);
    event.port_index = 0;
    event.data[0] = status;
    event.data[1] = data1;
    event.data[2] = data2;
    add(event.header);
}

void ClapEventList::note(uint32_t time, uint16_t type, int16_t key, double velocity, int16_t channel) {
    clap_event_note_t event{};
    event.header = header(sizeof event, time, type);
    event.note_id = -1;
    event.port_index = 0;
    event.channel = channel;
    event.key = key;
    event.velocity = velocity;
    add(event.header);
}

void ClapEventList::transport(uint32_t time, const clap_event_transport_t& transport) {
    clap_event_transport_t event = transport;
    event.header = header(sizeof event, time, CLAP_EVENT_TRANSPORT);
    add(event.header);
}

// --- Events out ---

ClapOutputEvents::ClapOutputEvents() {
    output_.ctx = this;
    output_.try_push = [](const clap_output_events_t* list, const clap_event_header_t* event) {
        auto& self = *static_cast<ClapOutputEvents*>(list->ctx);
        std::lock_guard<std::mutex> lock(self.mutex_);
        if (self.events_.size() >= self.capacity) return false;
        PushedEvent pushed{event->type, event->time, CLAP_INVALID_ID, 0.0};
        if (event->type == CLAP_EVENT_PARAM_VALUE) {
            const auto* value = reinterpret_cast<const clap_event_param_value_t*>(event);
            pushed.param = value->param_id;
            pushed.value = value->value;
        } else if (event->type == CLAP_EVENT_PARAM_GESTURE_BEGIN || event->type == CLAP_EVENT_PARAM_GESTURE_END) {
            pushed.param = reinterpret_cast<const clap_event_param_gesture_t*>(event)->param_id;
        }
        self.events_.push_back(pushed);
        return true;
    };
}

std::vector<PushedEvent> ClapOutputEvents::events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::map<clap_id, double> ClapOutputEvents::lastValues() const {
    std::map<clap_id, double> values;
    for (const PushedEvent& event : events())
        if (event.type == CLAP_EVENT_PARAM_VALUE) values[event.param] = event.value;
    return values;
}

void ClapOutputEvents::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.clear();
}

// --- The host ---

struct HostCallbacks {
    static bool isMain(const clap_host_t* h) { return hostOf(h).isMainThread(); }
    static bool isAudio(const clap_host_t*) { return ClapTestHost::isAudioThread(); }
    static constexpr clap_host_thread_check_t kThreadCheck = {isMain, isAudio};

    static void rescan(const clap_host_t* h, clap_param_rescan_flags flags) { hostOf(h).rescans.push_back(flags); }
    static void clear(const clap_host_t*, clap_id, clap_param_clear_flags) {}
    static void requestFlush(const clap_host_t* h) { ++hostOf(h).flushRequests; }
    static constexpr clap_host_params_t kParams = {rescan, clear, requestFlush};

    static void markDirty(const clap_host_t* h) { ++hostOf(h).dirtyMarks; }
    static constexpr clap_host_state_t kState = {markDirty};

    static bool registerTimer(const clap_host_t* h, uint32_t period, clap_id* id) {
        ClapTestHost& host = hostOf(h);
        if (!id) return false;
        *id = host.nextTimer_++;
        host.timers[*id] = period;
        return true;
    }
    static bool unregisterTimer(const clap_host_t* h, clap_id id) { return hostOf(h).timers.erase(id) == 1; }
    static constexpr clap_host_timer_support_t kTimers = {registerTimer, unregisterTimer};

    static void resizeHintsChanged(const clap_host_t*) {}
    static bool requestResize(const clap_host_t*, uint32_t, uint32_t) { return false; }
    static bool requestShow(const clap_host_t*) { return false; }
    static bool requestHide(const clap_host_t*) { return false; }
    static void closed(const clap_host_t* h, bool) { ++hostOf(h).guiClosed; }
    static constexpr clap_host_gui_t kGui = {resizeHintsChanged, requestResize, requestShow, requestHide, closed};

    static const void* extension(const clap_host_t* h, const char* id) {
        const ClapTestHost& host = hostOf(h);
        if (!id) return nullptr;
        if (std::strcmp(id, CLAP_EXT_THREAD_CHECK) == 0) return host.offerThreadCheck ? &kThreadCheck : nullptr;
        if (std::strcmp(id, CLAP_EXT_PARAMS) == 0) return &kParams;
        if (std::strcmp(id, CLAP_EXT_STATE) == 0) return &kState;
        if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return host.offerTimerSupport ? &kTimers : nullptr;
        if (std::strcmp(id, CLAP_EXT_GUI) == 0) return &kGui;
        return nullptr;
    }
    static void requestRestart(const clap_host_t* h) { ++hostOf(h).restartRequests; }
    static void requestProcess(const clap_host_t* h) { ++hostOf(h).processRequests; }
    static void requestCallback(const clap_host_t* h) { ++hostOf(h).callbackRequests; }
};

ClapTestHost::ClapTestHost() : mainThread_(std::this_thread::get_id()) {
    host_.clap_version = CLAP_VERSION_INIT;
    host_.host_data = this;
    host_.name = "Zarvoline test host";
    host_.vendor = "Velmora";
    host_.url = "";
    host_.version = "1.0";
    host_.get_extension = HostCallbacks::extension;
    host_.request_restart = HostCallbacks::requestRestart;
    host_.request_process = HostCallbacks::requestProcess;
    host_.request_callback = HostCallbacks::requestCallback;
}

ClapTestHost::AudioThread::AudioThread() { ++audioDepth; }
ClapTestHost::AudioThread::~AudioThread() { --audioDepth; }
bool ClapTestHost::isMainThread() const { return audioDepth == 0 && std::this_thread::get_id() == mainThread_; }
bool ClapTestHost::isAudioThread() { return audioDepth > 0; }

StereoBuffer noise(size_t frames, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> sample(-0.8f, 0.8f);
    StereoBuffer signal(frames);
    for (size_t i = 0; i < frames; ++i) signal.left[i] = sample(random), signal.right[i] = sample(random);
    return signal;
}

clap_event_transport_t transportAt(double samplePosition, double sampleRate, double tempo, bool playing) {
    clap_event_transport_t t{};
    t.header = {sizeof t, 0, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_TRANSPORT, 0};
    t.flags = CLAP_TRANSPORT_HAS_TEMPO | CLAP_TRANSPORT_HAS_BEATS_TIMELINE | CLAP_TRANSPORT_HAS_SECONDS_TIMELINE |
              CLAP_TRANSPORT_HAS_TIME_SIGNATURE | (playing ? CLAP_TRANSPORT_IS_PLAYING : 0);
    const double seconds = samplePosition / sampleRate;
    const double beats = seconds * tempo / 60.0;
    t.song_pos_seconds = static_cast<clap_sectime>(std::llround(seconds * CLAP_SECTIME_FACTOR));
    t.song_pos_beats = static_cast<clap_beattime>(std::llround(beats * CLAP_BEATTIME_FACTOR));
    t.tempo = tempo;
    t.bar_start = static_cast<clap_beattime>(std::llround(std::floor(beats / 4.0) * 4.0 * CLAP_BEATTIME_FACTOR));
    t.bar_number = static_cast<int32_t>(std::floor(beats / 4.0));
    t.tsig_num = 4;
    t.tsig_denom = 4;
    return t;
}

// --- Instances ---

ClapInstance::ClapInstance(ClapTestHost& testHost, const char* id)
    : host(testHost), plugin_(clapFactory().create_plugin(&clapFactory(), testHost.host(), id)) {
    if (!plugin_) throw std::runtime_error(std::string("the factory made no ") + id);
    if (!plugin_->init(plugin_)) {
        plugin_->destroy(plugin_);
        throw std::runtime_error("the plug-in's init failed");
    }
}

ClapInstance::~ClapInstance() {
    if (processing_) stopProcessing();
    if (active_) deactivate();
    plugin_->destroy(plugin_);
}

const clap_plugin_params_t& ClapInstance::params() const {
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    if (!params) throw std::runtime_error("no params extension");
    return *params;
}

const clap_plugin_state_t& ClapInstance::state() const {
    const auto* state = extension<clap_plugin_state_t>(CLAP_EXT_STATE);
    if (!state) throw std::runtime_error("no state extension");
    return *state;
}

bool ClapInstance::activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames) {
    active_ = plugin_->activate(plugin_, sampleRate, minFrames, maxFrames);
    if (active_) sampleRate_ = sampleRate;
    return active_;
}

void ClapInstance::deactivate() {
    plugin_->deactivate(plugin_);
    active_ = false;
}

bool ClapInstance::startProcessing() {
    ClapTestHost::AudioThread audio;
    processing_ = plugin_->start_processing(plugin_);
    return processing_;
}

void ClapInstance::stopProcessing() {
    ClapTestHost::AudioThread audio;
    plugin_->stop_processing(plugin_);
    processing_ = false;
}

clap_process_status ClapInstance::process(StereoBuffer& buffer, size_t first, uint32_t frames,
                                          const ClapEventList* events, ClapOutputEvents* out,
                                          const clap_event_transport_t* transport) {
    float* channels[2] = {buffer.left.data() + first, buffer.right.data() + first};
    clap_audio_buffer_t in{};
    in.data32 = channels;
    in.channel_count = 2;
    clap_audio_buffer_t outBuffer = in;  // in place
    static const ClapEventList kNoEvents;
    thread_local ClapOutputEvents discard;
    discard.clear();
    clap_process_t process{};
    process.steady_time = -1;
    process.frames_count = frames;
    process.transport = transport;
    process.audio_inputs = &in;
    process.audio_outputs = &outBuffer;
    process.audio_inputs_count = 1;
    process.audio_outputs_count = 1;
    process.in_events = (events ? events : &kNoEvents)->input();
    process.out_events = (out ? out : &discard)->output();
    ClapTestHost::AudioThread audio;
    return plugin_->process(plugin_, &process);
}

StereoBuffer ClapInstance::render(const StereoBuffer& in, uint32_t blockFrames, double tempo, bool playing,
                                  double startPosition) {
    StereoBuffer buffer = in;
    for (size_t at = 0; at < buffer.size(); at += blockFrames) {
        const uint32_t frames = static_cast<uint32_t>(std::min<size_t>(blockFrames, buffer.size() - at));
        const clap_event_transport_t transport =
            transportAt(startPosition + (playing ? static_cast<double>(at) : 0.0), sampleRate_, tempo, playing);
        if (process(buffer, at, frames, nullptr, nullptr, &transport) != CLAP_PROCESS_CONTINUE)
            throw std::runtime_error("process failed");
    }
    return buffer;
}

double ClapInstance::value(clap_id id) const {
    double v = -12345.0;
    if (!params().get_value(plugin_, id, &v)) throw std::runtime_error("get_value refused " + std::to_string(id));
    return v;
}

void ClapInstance::setByFlush(clap_id id, double value, ClapOutputEvents* out) {
    ClapEventList events;
    events.paramValue(0, id, value);
    ClapOutputEvents discard;
    params().flush(plugin_, events.input(), (out ? out : &discard)->output());
}

std::string ClapInstance::valueText(clap_id id, double value) const {
    char text[CLAP_NAME_SIZE];
    std::memset(text, 0x7F, sizeof text);
    if (!params().value_to_text(plugin_, id, value, text, sizeof text)) return "(refused)";
    if (!std::memchr(text, 0, sizeof text)) throw std::runtime_error("value text without its end");
    return text;
}

std::vector<uint8_t> ClapInstance::saveState() const {
    std::vector<uint8_t> bytes;
    clap_ostream_t stream{};
    stream.ctx = &bytes;
    stream.write = [](const clap_ostream_t* s, const void* data, uint64_t size) -> int64_t {
        auto& out = *static_cast<std::vector<uint8_t>*>(s->ctx);
        const auto* p = static_cast<const uint8_t*>(data);
        // A host's stream may take less than it is given: here at most 1000 bytes a call.
        const uint64_t taken = std::min<uint64_t>(size, 1000);
        out.insert(out.end(), p, p + taken);
        return static_cast<int64_t>(taken);
    };
    if (!state().save(plugin_, &stream)) throw std::runtime_error("state save refused");
    return bytes;
}

bool ClapInstance::loadState(const std::vector<uint8_t>& bytes, size_t chunk) {
    struct Reader {
        const std::vector<uint8_t>* bytes;
        size_t at;
        size_t chunk;
    } reader{&bytes, 0, chunk};
    clap_istream_t stream{};
    stream.ctx = &reader;
    stream.read = [](const clap_istream_t* s, void* buffer, uint64_t size) -> int64_t {
        auto& r = *static_cast<Reader*>(s->ctx);
        const size_t n = std::min<size_t>({static_cast<size_t>(size), r.chunk, r.bytes->size() - r.at});
        if (n > 0) std::memcpy(buffer, r.bytes->data() + r.at, n);
        r.at += n;
        return static_cast<int64_t>(n);
    };
    return state().load(plugin_, &stream);
}
