// Zarvoline as an LV2 plug-in: the core behind LV2's ports. The host writes
// the parameters' control ports and sends MIDI, its time:Position and the
// editor's messages in the event input; run() turns those into the core's
// calls, processes the block, writes the status ports and tells the editor,
// through the event output, what the plug-in changed by itself. Everything is
// allocated when the instance is made: run() allocates nothing, takes no lock
// and makes no system call.
#pragma once

#include <atomic>
#include <cstdint>

#include <lv2/atom/atom.h>
#include <lv2/atom/forge.h>
#include <lv2/core/lv2.h>
#include <lv2/state/state.h>

#include "core/CoreHost.h"
#include "core/StutterCore.h"
#include "editor/LevelReports.h"
#include "lv2/Uris.h"
#include "lv2/dsp/ControlPorts.h"
#include "lv2/dsp/HostClock.h"
#include "lv2/dsp/ValueNotices.h"

class StutterLv2 final : private CoreHost {
public:
    // Null without the URID map feature (the description requires it).
    static StutterLv2* create(double sampleRate, const LV2_Feature* const* features);

    StutterLv2(const LV2_URID_Map& map, double sampleRate);
    StutterLv2(const StutterLv2&) = delete;
    StutterLv2& operator=(const StutterLv2&) = delete;

    bool constructedWhole() const { return core.constructedWhole(); }
    void connect(uint32_t port, void* data);
    // Playback starts over as in a fresh instance, as VST 2's resume.
    void activate();
    void run(uint32_t frames);

    LV2_State_Status save(LV2_State_Store_Function store, LV2_State_Handle handle);
    LV2_State_Status restore(LV2_State_Retrieve_Function retrieve, LV2_State_Handle handle);

private:
    void parameterChanged(int index, float value) override;
    const EngineClock* hostClock(ClockDetail) override;

    void selectFactoryProgram(int32_t program);
    void takePositions();
    void takePositions(const LV2_Atom_Sequence* events);
    void takeMessages();
    void takeObject(const LV2_Atom_Object& object);
    void postEveryValue();
    void writeNotices();
    bool writeValue(int index, float value);
    void writeLevel(const LevelReport& report, float cutoff);
    void writeTiming();
    void writeStatus();

    Uris uris;
    // The instance's own clock while it is being made: the rate, no song
    // position and no tempo, as LV2 tells at instantiation.
    EngineClock startClock;
    bool made = false;
    StutterCore core;
    HostClock clock;
    ControlPorts controls;
    ValueNotices notices;
    // The engine's level reports, each with where the loop stood, for the
    // editor's scope: all of them, not only the latest.
    LevelReports levels;
    std::atomic<bool> timingAsked{false};
    // After a restore the state holds every value: the port values the host
    // writes beside it are taken as they are, not applied again.
    std::atomic<bool> portsRestored{false};
    // A factory preset the host loaded, selected at the start of the next block.
    std::atomic<int32_t> pendingFactoryProgram{-1};

    const float* audioIn[2] = {};
    float* audioOut[2] = {};
    float* status[3] = {};
    const LV2_Atom_Sequence* controlIn = nullptr;
    LV2_Atom_Sequence* notifyOut = nullptr;
    const LV2_Atom_Sequence* timeIn = nullptr;
    LV2_Atom_Forge forge;
};
