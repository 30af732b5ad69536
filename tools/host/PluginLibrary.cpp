#include "tools/host/PluginLibrary.h"

#include <dlfcn.h>

namespace {

// The host whose entry-point call is under way: the plug-in calls back
// (version, time) before the host could have stored itself in the record.
thread_local Host* creatingHost = nullptr;

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::open(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = "cannot load plug-in " + path + ": " + (reason ? reason : "unknown error");
        return nullptr;
    }
    void* symbol = dlsym(handle, "VSTPluginMain");
    if (!symbol) symbol = dlsym(handle, "main");
    if (!symbol) {
        dlclose(handle);
        error = path + " is not a VST 2 plug-in (no VSTPluginMain or main)";
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(
        new PluginLibrary(handle, reinterpret_cast<PluginEntry>(symbol)));
}

PluginLibrary::~PluginLibrary() { dlclose(handle_); }

AEffect* Host::instantiate(PluginEntry entry) {
    Host* previous = creatingHost;
    creatingHost = this;
    AEffect* effect = entry(&Host::callback);
    creatingHost = previous;
    if (effect) effect->user = this;
    return effect;
}

VstIntPtr Host::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                         void* ptr, float opt) {
    Host* host = (effect && effect->user) ? static_cast<Host*>(effect->user) : creatingHost;
    return host ? host->onHostCall(effect, opcode, index, value, ptr, opt) : 0;
}

VstIntPtr dispatch(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                   float opt) {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

std::string dispatchText(AEffect* effect, VstInt32 opcode, VstInt32 index) {
    char text[256] = {};  // far more than any plug-in should write
    dispatch(effect, opcode, index, 0, text);
    return text;
}
