// One Zarvoline instance as a CLAP host sees it: the clap_plugin record and
// its extensions over one StutterCore. The host's calls arrive through the
// trampolines of ClapPlugin.cpp and the extension files; this class turns
// them into the core's calls and tells the host what the core changed.
#pragma once

#include <clap/ext/gui.h>
#include <clap/ext/params.h>
#include <clap/ext/timer-support.h>
#include <clap/ext/state.h>
#include <clap/plugin.h>

#include <atomic>
#include <memory>
#include <vector>

#include "clap/ChangedParameters.h"
#include "clap/ClapEditorHost.h"
#include "clap/EditorEvents.h"
#include "clap/ThreadCheck.h"
#include "core/StutterCore.h"
#include "editor/StutterEditor.h"

class ClapPlugin final : public CoreHost {
public:
    explicit ClapPlugin(const clap_host_t* host);
    ~ClapPlugin();
    ClapPlugin(const ClapPlugin&) = delete;
    ClapPlugin& operator=(const ClapPlugin&) = delete;

    const clap_plugin_t* clapPlugin() const { return &plugin_; }
    static ClapPlugin& of(const clap_plugin_t* plugin) {
        return *static_cast<ClapPlugin*>(plugin->plugin_data);
    }

    // clap_plugin
    bool init();
    bool activate(double sampleRate, uint32_t minFrames, uint32_t maxFrames);
    void deactivate();
    bool startProcessing();
    void stopProcessing();
    void reset();
    clap_process_status process(const clap_process_t& process);
    const void* extension(const char* id) const;

    // params (ParamsExtension.cpp)
    bool paramValue(clap_id id, double& value) const;
    void flush(const clap_input_events_t* in, const clap_output_events_t* out);
    // state (StateExtension.cpp)
    bool saveState(const clap_ostream_t* stream) const;
    bool loadState(const clap_istream_t* stream);

    const ThreadCheck& threads() const { return threads_; }

    // gui and timer-support (GuiExtension.cpp)
    static constexpr uint32_t kEditorWidth = StutterEditor::kWidth;
    static constexpr uint32_t kEditorHeight = StutterEditor::kHeight;
    bool guiCreate();
    void guiDestroy();
    bool guiSetParent(clap_xwnd window);
    bool guiShow();
    bool guiHide();
    void onTimer(clap_id id);

    // What the editor's host reaches (ClapEditorHost).
    StutterCore& core() { return *core_; }
    const EngineClock* lastClock() { return hostClock(ClockDetail::kTempo); }
    // A value the user set in the window, applied now; the host hears of it
    // through tellHost, not as a change the plug-in made by itself.
    void applyEdit(int index, float value);
    // Queues a gesture or value for the host and asks it to flush.
    void tellHost(const EditorEvent& event);

private:
    // CoreHost
    void parameterChanged(int index, float value) override;
    const EngineClock* hostClock(ClockDetail detail) override;

    // Marks this thread as inside this instance's process call while it lives.
    class ProcessingScope {
    public:
        explicit ProcessingScope(const ClapPlugin* plugin);
        ~ProcessingScope();
        ProcessingScope(const ProcessingScope&) = delete;
        ProcessingScope& operator=(const ProcessingScope&) = delete;
    };

    // Host events that set parameters, play notes or move the transport.
    void applyEvent(const clap_event_header_t& event, uint32_t frame);
    void applyParamValue(clap_id id, double value);
    // The core's processing of frames [from, to) of the current block.
    void runSpan(uint32_t from, uint32_t to);
    // Param-value events for what the plug-in changed by itself.
    void tellChanges(const clap_output_events_t* out, uint32_t frame);
    bool pushEdit(const clap_output_events_t* out, const EditorEvent& edit, uint32_t frame);
    bool pickBuffers(const clap_process_t& process);
    void publishClock();
    // The clock at a frame of the block being processed.
    EngineClock clockAt(uint32_t frame) const;
    void syncLengthOnceTempoKnown();

    clap_plugin_t plugin_;
    const clap_host_t* host_;
    const clap_host_params_t* hostParams_ = nullptr;
    const clap_host_timer_support_t* hostTimers_ = nullptr;
    ThreadCheck threads_;
    std::unique_ptr<StutterCore> core_;
    ChangedParameters changed_;
    // The editor lives as long as the instance, its window only between the
    // host's gui calls; changes reach it from any thread.
    ClapEditorHost editorHost_{*this};
    StutterEditor editor_{editorHost_};
    EditorEvents edits_;
    bool guiCreated_ = false;
    clap_xwnd parent_ = 0;
    clap_id idleTimer_ = CLAP_INVALID_ID;

    std::atomic<bool> active_{false};
    std::atomic<bool> processing_{false};
    double sampleRate_ = 44100.0;
    uint32_t maxFrames_ = 0;

    // The block being processed (audio thread): its buffers, and its clock
    // as told at frame clockFrame_.
    const float* inputs_[2] = {};
    float* outputs_[2] = {};
    EngineClock clock_;
    uint32_t clockFrame_ = 0;
    uint32_t frame_ = 0;  // the first frame of the span being processed
    // A program whose BPM Sync sets its length from the tempo, chosen (or
    // loaded with the state) before the host told any tempo: CLAP hosts tell
    // time only while processing, so the sync waits for the first block.
    std::atomic<bool> syncAwaitsTempo_{true};
    // Stand-ins for buffers a host leaves out: silence in, a sink out.
    std::vector<float> silence_;
    std::vector<float> sink_;

    // The host's time last seen by process, for the editor's tempo commands
    // on the main thread.
    std::atomic<bool> lastKnown_{false};
    std::atomic<bool> lastPlaying_{false};
    std::atomic<double> lastTempo_{0.0};
    std::atomic<double> lastPosition_{0.0};
};
