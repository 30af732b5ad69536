// A scripted VST 2 host for tests: it loads the built plug-in library, answers
// the version and time queries as a test sets them up, and records every call
// the plug-in makes to it. Tests then drive the instance through its AEffect
// record only, as a real host does.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "tools/host/PluginLibrary.h"

struct HostCall {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};

class TestHost : public Host {
public:
    TestHost();

    VstIntPtr version = 2400;   // answer to audioMasterVersion; 0 refuses
    bool provideTime = true;    // false answers time queries with null
    VstTimeInfo time{};         // 44100 Hz, 120 BPM, transport stopped at 0
    bool recordCalls = true;    // off where a test counts allocations

    VstIntPtr onHostCall(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                         void* ptr, float opt) override;

    std::vector<HostCall> calls() const;
    std::vector<HostCall> callsOf(VstInt32 opcode) const;
    void clearCalls();

    // The plug-in under test, loaded once per process.
    static PluginEntry pluginEntry();

private:
    mutable std::mutex mutex_;
    std::vector<HostCall> calls_;
};

// One plug-in instance; closed through effClose when the test is done.
class PluginInstance {
public:
    explicit PluginInstance(TestHost& host);
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    AEffect* effect() const { return effect_; }
    AEffect* operator->() const { return effect_; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f) const {
        return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
    }
    void set(VstInt32 index, float value) const { effect_->setParameter(effect_, index, value); }
    float get(VstInt32 index) const { return effect_->getParameter(effect_, index); }
    // A block of no frames: the engine takes what was set since its last
    // block, and its status values and filter display follow.
    void emptyBlock() const { effect_->processReplacing(effect_, nullptr, nullptr, 0); }
    // The text a text opcode writes; throws if it would not fit a 24-byte field.
    std::string text(VstInt32 opcode, VstInt32 index = 0) const;
    std::string name(VstInt32 index) const { return text(effGetParamName, index); }
    std::string label(VstInt32 index) const { return text(effGetParamLabel, index); }
    std::string display(VstInt32 index) const { return text(effGetParamDisplay, index); }
    std::string programName() const { return text(effGetProgramName); }
    void setProgram(VstInt32 program) const { dispatch(effSetProgram, 0, program); }
    VstInt32 program() const { return static_cast<VstInt32>(dispatch(effGetProgram)); }

private:
    AEffect* effect_;
};
