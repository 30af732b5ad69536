// One plug-in instance for a render: the library, the host it talks to and
// its AEffect record, released in the right order (instance before library).
#pragma once

#include <memory>
#include <string>

#include "tools/host/PluginLibrary.h"
#include "tools/render/RenderHost.h"

class LoadedPlugin {
public:
    // Loads and opens the plug-in and gives it the rate and block size; the
    // host's transport is there for the time queries a plug-in makes while
    // it starts. Throws
    // RenderError when the library does not load or is not a usable effect.
    LoadedPlugin(const std::string& path, double sampleRate, double tempo, int blockFrames);
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    AEffect* effect() const { return effect_; }
    RenderHost& host() { return *host_; }
    std::string name() const;

    // Program by number or exact name; answers the number. Throws RenderError.
    int selectProgram(const std::string& program);
    // Parameter by exact name or number; answers the number. Throws RenderError.
    int findParameter(const std::string& parameter) const;

    // Switched on for processing, and off again.
    void resume();
    void suspend();

private:
    std::unique_ptr<PluginLibrary> library_;
    std::unique_ptr<RenderHost> host_;
    AEffect* effect_ = nullptr;
};
