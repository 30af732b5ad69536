#include "clap/ClapPlugin.h"

#include <clap/ext/audio-ports.h>
#include <clap/ext/note-ports.h>

#include <cmath>
#include <cstring>
#include <new>

#include "clap/Descriptor.h"
#include "clap/Extensions.h"
#include "clap/ParamShapes.h"
#include "params/ParameterTable.h"

namespace {

// The parameter whose host value this thread is applying right now: the
// core reports every change, and the host must not be told back the value
// it just sent (a coupled change, Offset following Length, is still told).
thread_local const ClapPlugin* applyingFor = nullptr;
thread_local int applyingIndex = -1;
// The instance whose process call this thread is in: the core asks for the
// host's time from there too (a program recalled by a note syncing its length).
thread_local const ClapPlugin* processingFor = nullptr;
// Where the clock handed to the core lives until this thread asks again.
thread_local EngineClock askedClock;

bool pluginInit(const clap_plugin_t* p) { return ClapPlugin::of(p).init(); }
void pluginDestroy(const clap_plugin_t* p) {
    ClapPlugin& plugin = ClapPlugin::of(p);
    plugin.threads().mainThread("destroy");
    delete &plugin;
}
bool pluginActivate(const clap_plugin_t* p, double rate, uint32_t minFrames, uint32_t maxFrames) {
    return ClapPlugin::of(p).activate(rate, minFrames, maxFrames);
}
void pluginDeactivate(const clap_plugin_t* p) { ClapPlugin::of(p).deactivate(); }
bool pluginStartProcessing(const clap_plugin_t* p) { return ClapPlugin::of(p).startProcessing(); }
void pluginStopProcessing(const clap_plugin_t* p) { ClapPlugin::of(p).stopProcessing(); }
void pluginReset(const clap_plugin_t* p) { ClapPlugin::of(p).reset(); }
clap_process_status pluginProcess(const clap_plugin_t* p, const clap_process_t* process) {
    return process ? ClapPlugin::of(p).process(*process) : CLAP_PROCESS_ERROR;
}
const void* pluginExtension(const clap_plugin_t* p, const char* id) {
    return id ? ClapPlugin::of(p).extension(id) : nullptr;
}
void pluginOnMainThread(const clap_plugin_t*) {}

}  // namespace

ClapPlugin::ClapPlugin(const clap_host_t* host) : host_(host) {
    plugin_.desc = &kZarvolineDescriptor;
    plugin_.plugin_data = this;
    plugin_.init = pluginInit;
    plugin_.destroy = pluginDestroy;
    plugin_.activate = pluginActivate;
    plugin_.deactivate = pluginDeactivate;
    plugin_.start_processing = pluginStartProcessing;
    plugin_.stop_processing = pluginStopProcessing;
    plugin_.reset = pluginReset;
    plugin_.process = pluginProcess;
    plugin_.get_extension = pluginExtension;
    plugin_.on_main_thread = pluginOnMainThread;
}

ClapPlugin::~ClapPlugin() { guiDestroy(); }

bool ClapPlugin::init() {
    threads_.attach(host_);
    threads_.mainThread("init");
    if (host_->get_extension)
        hostParams_ = static_cast<const clap_host_params_t*>(host_->get_extension(host_, CLAP_EXT_PARAMS));
    if (host_->get_extension)
        hostTimers_ = static_cast<const clap_host_timer_support_t*>(host_->get_extension(host_, CLAP_EXT_TIMER_SUPPORT));
    core_.reset(new (std::nothrow) StutterCore(*this, nullptr));
    // The values a new instance starts with are the ones the host reads first.
    changed_.take();
    return core_ && core_->constructedWhole();
}

bool ClapPlugin::activate(double sampleRate, uint32_t, uint32_t maxFrames) {
    threads_.mainThread("activate");
    if (!core_ || active_ || !std::isfinite(sampleRate) || sampleRate < 1.0 || maxFrames == 0) return false;
    try {
        silence_.assign(maxFrames, 0.0f);
        sink_.assign(maxFrames, 0.0f);
    } catch (...) {
        return false;
    }
    sampleRate_ = sampleRate;
    maxFrames_ = maxFrames;
    // As a VST 2 host's resume: playback starts over, at the new rate.
    EngineClock clock;
    clock.sampleRate = sampleRate;
    core_->resume(&clock);
    active_ = true;
    return true;
}

void ClapPlugin::deactivate() {
    threads_.mainThread("deactivate");
    active_ = false;
}

bool ClapPlugin::startProcessing() {
    threads_.audioThread("start_processing");
    processing_ = active_.load();
    return processing_;
}

void ClapPlugin::stopProcessing() {
    threads_.audioThread("stop_processing");
    processing_ = false;
}

void ClapPlugin::reset() {
    threads_.audioThread("reset");
    EngineClock clock;
    clock.sampleRate = sampleRate_;
    core_->resume(&clock);
}

const void* ClapPlugin::extension(const char* id) const {
    if (std::strcmp(id, CLAP_EXT_PARAMS) == 0) return &kParamsExtension;
    if (std::strcmp(id, CLAP_EXT_STATE) == 0) return &kStateExtension;
    if (std::strcmp(id, CLAP_EXT_AUDIO_PORTS) == 0) return &kAudioPortsExtension;
    if (std::strcmp(id, CLAP_EXT_NOTE_PORTS) == 0) return &kNotePortsExtension;
    if (std::strcmp(id, CLAP_EXT_GUI) == 0) return &kGuiExtension;
    if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return &kTimerSupportExtension;
    return nullptr;
}

void ClapPlugin::parameterChanged(int index, float value) {
    // Every change moves the window's controls, the host's own and the
    // window's included; the engine's level comes as the play position's.
    if (index == kStatusPlayPos && core_)
        editor_.reportLevel({value, core_->getParameter(kStatusPlayPos), core_->getParameter(kStatusRecordPos),
                             core_->getParameter(kStatusRecordedLength)});
    editor_.setParameter(index, value);
    if (applyingFor == this && applyingIndex == index) return;
    changed_.mark(index);
}

void ClapPlugin::applyEdit(int index, float value) {
    applyingFor = this;
    applyingIndex = index;
    core_->setParameter(index, value);
    applyingFor = nullptr;
    applyingIndex = -1;
}

void ClapPlugin::tellHost(const EditorEvent& event) {
    edits_.push(event);
    if (hostParams_ && hostParams_->request_flush) hostParams_->request_flush(host_);
}

ClapPlugin::ProcessingScope::ProcessingScope(const ClapPlugin* plugin) { processingFor = plugin; }
ClapPlugin::ProcessingScope::~ProcessingScope() { processingFor = nullptr; }

const EngineClock* ClapPlugin::hostClock(ClockDetail) {
    if (processingFor == this) {
        askedClock = clockAt(frame_);
    } else {
        if (!lastKnown_) return nullptr;
        askedClock.known = true;
        askedClock.playing = lastPlaying_;
        askedClock.sampleRate = sampleRate_;
        askedClock.tempo = lastTempo_;
        askedClock.samplePosition = lastPosition_;
    }
    return askedClock.known ? &askedClock : nullptr;
}

void ClapPlugin::applyParamValue(clap_id id, double value) {
    if (!isParameter(static_cast<int>(id)) || std::isnan(value)) return;
    const int index = static_cast<int>(id);
    applyingFor = this;
    applyingIndex = index;
    core_->setParameter(index, coreValueOf(index, value));
    applyingFor = nullptr;
    applyingIndex = -1;
}
