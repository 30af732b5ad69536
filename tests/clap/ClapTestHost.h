// A CLAP host for tests: it loads the built zarvoline.clap with dlopen, hands
// the plug-in a host record whose extensions (thread-check, params, state,
// timer-support, gui) record every call, and drives instances through the
// clap_plugin record and the extensions they offer, as a real host does.
// The thread that made the host is its main thread; calls made inside an
// AudioThread scope count as the audio thread's.
#pragma once

#include <clap/entry.h>
#include <clap/ext/audio-ports.h>
#include <clap/ext/gui.h>
#include <clap/ext/note-ports.h>
#include <clap/ext/params.h>
#include <clap/ext/state.h>
#include <clap/ext/thread-check.h>
#include <clap/ext/timer-support.h>
#include <clap/plugin-factory.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// The library under test, loaded and initialised once per process.
const clap_plugin_entry_t& clapEntry();
const clap_plugin_factory_t& clapFactory();

// Events for process and flush, kept in time order as CLAP requires.
class ClapEventList {
public:
    ClapEventList();
    ClapEventList(const ClapEventList&) = delete;
    ClapEventList& operator=(const ClapEventList&) = delete;

    void paramValue(uint32_t time, clap_id id, double value);
    void midi(uint32_t time, uint8_t status, uint8_t data1, uint8_t data2);
    void note(uint32_t time, uint16_t type, int16_t key, double velocity, int16_t channel = 0);
    void transport(uint32_t time, const clap_event_transport_t& transport);
    void add(const clap_event_header_t& event);  // any event, copied whole (header.size bytes)
    void clear() { events_.clear(); }
    size_t size() const { return events_.size(); }
    const clap_input_events_t* input() const { return &input_; }

private:
    std::vector<std::vector<uint8_t>> events_;
    clap_input_events_t input_;
};

// What a plug-in pushed to the host, copied.
struct PushedEvent {
    uint16_t type;
    uint32_t time;
    clap_id param;
    double value;
};

class ClapOutputEvents {
public:
    ClapOutputEvents();
    ClapOutputEvents(const ClapOutputEvents&) = delete;
    ClapOutputEvents& operator=(const ClapOutputEvents&) = delete;

    const clap_output_events_t* output() const { return &output_; }
    std::vector<PushedEvent> events() const;
    // The last value pushed for each parameter.
    std::map<clap_id, double> lastValues() const;
    void clear();
    size_t capacity = SIZE_MAX;  // pushes past it are refused, as by a full host list

private:
    mutable std::mutex mutex_;
    std::vector<PushedEvent> events_;
    clap_output_events_t output_;
};

class ClapTestHost {
public:
    ClapTestHost();
    ClapTestHost(const ClapTestHost&) = delete;
    ClapTestHost& operator=(const ClapTestHost&) = delete;

    const clap_host_t* host() const { return &host_; }

    // Marks the calling thread as the host's audio thread while it lives.
    class AudioThread {
    public:
        AudioThread();
        ~AudioThread();
        AudioThread(const AudioThread&) = delete;
        AudioThread& operator=(const AudioThread&) = delete;
    };
    bool isMainThread() const;
    static bool isAudioThread();

    // What the plug-in asked of the host.
    std::atomic<int> flushRequests{0};
    std::atomic<int> processRequests{0};
    std::atomic<int> callbackRequests{0};
    std::atomic<int> restartRequests{0};
    std::atomic<int> dirtyMarks{0};
    std::atomic<int> guiClosed{0};
    std::vector<uint32_t> rescans;  // flags of each params rescan
    std::map<clap_id, uint32_t> timers;  // registered timers and their periods
    bool offerThreadCheck = true;
    bool offerTimerSupport = true;

private:
    clap_host_t host_;
    std::thread::id mainThread_;
    clap_id nextTimer_ = 1;
    friend struct HostCallbacks;
};

// A signal, one vector per channel.
struct StereoBuffer {
    std::vector<float> left, right;
    explicit StereoBuffer(size_t frames = 0, float value = 0.0f) : left(frames, value), right(frames, value) {}
    size_t size() const { return left.size(); }
};

// Noise from -0.8 to 0.8, the same for the same seed.
StereoBuffer noise(size_t frames, unsigned seed);

// Transport as hosts fill it: both timelines, tempo and 4/4.
clap_event_transport_t transportAt(double samplePosition, double sampleRate, double tempo, bool playing);

class ClapInstance {
public:
    explicit ClapInstance(ClapTestHost& host, const char* id = "zarvoline.stutter");
    ~ClapInstance();
    ClapInstance(const ClapInstance&) = delete;
    ClapInstance& operator=(const ClapInstance&) = delete;

    const clap_plugin_t* plugin() const { return plugin_; }
    template <typename Extension>
    const Extension* extension(const char* id) const {
        return static_cast<const Extension*>(plugin_->get_extension(plugin_, id));
    }
    const clap_plugin_params_t& params() const;
    const clap_plugin_state_t& state() const;

    bool activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames);
    void deactivate();
    bool startProcessing();
    void stopProcessing();
    // Activated for blocks of up to maxFrames, and processing.
    bool start(double sampleRate, uint32_t maxFrames) {
        return activate(sampleRate, 1, maxFrames) && startProcessing();
    }

    // One process call on the audio thread, in place when out is null.
    clap_process_status process(StereoBuffer& buffer, size_t first, uint32_t frames,
                                const ClapEventList* events = nullptr, ClapOutputEvents* out = nullptr,
                                const clap_event_transport_t* transport = nullptr);
    // The signal in blocks of blockFrames, with the transport moving if
    // playing; events[i] go with block i where given.
    StereoBuffer render(const StereoBuffer& in, uint32_t blockFrames, double tempo = 120.0,
                        bool playing = true, double startPosition = 0.0);

    double value(clap_id id) const;
    // A param-value event through flush on the main thread, as hosts do while
    // the plug-in is not processing.
    void setByFlush(clap_id id, double value, ClapOutputEvents* out = nullptr);
    std::string valueText(clap_id id, double value) const;

    std::vector<uint8_t> saveState() const;
    // The host's stream hands out at most chunk bytes per read.
    bool loadState(const std::vector<uint8_t>& bytes, size_t chunk = SIZE_MAX);

    ClapTestHost& host;

private:
    const clap_plugin_t* plugin_;
    double sampleRate_ = 0.0;
    bool active_ = false;
    bool processing_ = false;
};
