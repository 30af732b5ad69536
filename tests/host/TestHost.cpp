#include "tests/host/TestHost.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

TestHost::TestHost() {
    time.sampleRate = 44100.0;
    time.tempo = 120.0;
    time.timeSigNumerator = 4;
    time.timeSigDenominator = 4;
    time.flags = kVstTempoValid | kVstPpqPosValid | kVstBarsValid | kVstTimeSigValid;
}

VstIntPtr TestHost::onHostCall(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void*,
                               float opt) {
    if (recordCalls) {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back({opcode, index, value, opt});
    }
    switch (opcode) {
        case audioMasterVersion: return version;
        case audioMasterGetTime: return provideTime ? reinterpret_cast<VstIntPtr>(&time) : 0;
        default: return 0;
    }
}

std::vector<HostCall> TestHost::calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

std::vector<HostCall> TestHost::callsOf(VstInt32 opcode) const {
    std::vector<HostCall> matching;
    for (const HostCall& call : calls())
        if (call.opcode == opcode) matching.push_back(call);
    return matching;
}

void TestHost::clearCalls() {
    std::lock_guard<std::mutex> lock(mutex_);
    calls_.clear();
}

PluginEntry TestHost::pluginEntry() {
    static std::unique_ptr<PluginLibrary> library = [] {
        std::string error;
        auto loaded = PluginLibrary::open(ZARVOLINE_PLUGIN_PATH, error);
        if (!loaded) throw std::runtime_error(error);
        return loaded;
    }();
    return library->entry();
}

PluginInstance::PluginInstance(TestHost& host) : effect_(host.instantiate(TestHost::pluginEntry())) {
    if (!effect_) throw std::runtime_error("the plug-in refused to start");
}

PluginInstance::~PluginInstance() { dispatch(effClose); }

// Hosts' buffers vary; a large one filled with a marker shows any overrun.
std::string PluginInstance::text(VstInt32 opcode, VstInt32 index) const {
    char text[256];
    std::memset(text, 0x7F, sizeof text);
    dispatch(opcode, index, 0, text);
    if (!std::memchr(text, 0, kVstMaxTextLen))
        throw std::runtime_error("text longer than 24 bytes for opcode " + std::to_string(opcode));
    return text;
}
