// The host side of the VST 2 interface: loading a plug-in library, creating
// instances with a callback that reaches a Host object, and asking an
// instance the usual questions through its AEffect record alone.
#pragma once

#include <memory>
#include <string>

#include "plugin/vst2.h"

using PluginEntry = AEffect* (*)(audioMasterCallback);

class PluginLibrary {
public:
    // Loads the library and finds its entry point ("VSTPluginMain", else
    // "main"); null with a one-line reason in `error` when it cannot.
    static std::unique_ptr<PluginLibrary> open(const std::string& path, std::string& error);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    PluginEntry entry() const { return entry_; }

private:
    PluginLibrary(void* handle, PluginEntry entry) : handle_(handle), entry_(entry) {}
    void* handle_;
    PluginEntry entry_;
};

// A host as a plug-in sees it: the object behind the callback. Instances
// created through it find it again through AEffect::user.
class Host {
public:
    virtual ~Host() = default;
    // Calls the entry point with this host's callback; null when the plug-in
    // refuses.
    AEffect* instantiate(PluginEntry entry);
    virtual VstIntPtr onHostCall(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                 VstIntPtr value, void* ptr, float opt) = 0;

    static VstIntPtr callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt);
};

// Convenience calls through the dispatcher.
VstIntPtr dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                   void* ptr = nullptr, float opt = 0.0f);
std::string dispatchText(AEffect* effect, VstInt32 opcode, VstInt32 index = 0);
