// A small LV2 host on lilv (Debian liblilv-dev) for the DSP tests: it loads
// the built bundle alone, instantiates the plug-in with the features LV2
// hosts give (URID map and unmap), connects every port to buffers of its own,
// and runs blocks with MIDI, time:Position and editor messages in the event
// input, collecting what the plug-in sends back. It saves and restores state
// and loads presets through lilv, as Ardour, Carla and jalv do.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <lilv/lilv.h>
#include <lv2/atom/forge.h>
#include <lv2/state/state.h>
#include <lv2/urid/urid.h>

#include "lv2/PortLayout.h"

namespace lv2_test {


// URIDs as a host hands them out: any thread may map.
class UridMap {
public:
    UridMap();
    LV2_URID map(const char* uri);
    const char* unmap(LV2_URID urid);
    LV2_URID_Map* mapFeature() { return &mapData; }
    const LV2_Feature* const* features() const { return featureList.data(); }

private:
    std::mutex guard;
    std::unordered_map<std::string, LV2_URID> ids;
    std::vector<std::unique_ptr<std::string>> uris;
    LV2_URID_Map mapData;
    LV2_URID_Unmap unmapData;
    LV2_Feature mapFeatureData, unmapFeatureData;
    std::array<const LV2_Feature*, 3> featureList;
};

// The lilv world with only our bundle (and its presets) loaded.
class World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    const LilvPlugin* plugin() const { return pluginData; }
    LilvWorld* lilv() const { return world; }
    UridMap& urids() { return uridMap; }
    // The presets' URIs and labels, as a host lists them.
    std::vector<std::pair<std::string, std::string>> presets() const;

private:
    LilvWorld* world;
    const LilvPlugin* pluginData = nullptr;
    UridMap uridMap;
};

struct Notice {
    int index;
    float value;
};

class Instance {
public:
    static constexpr uint32_t kMaxBlock = 4096;
    static constexpr double kRate = 44100.0;

    explicit Instance(World& world, double rate = kRate);
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    bool valid() const { return instance != nullptr; }
    void activate();
    void deactivate();

    // Control ports: the host's value of an input, the plug-in's of an output.
    void setControl(int port, float value) { controls[port] = value; }
    float control(int port) const { return controls[port]; }
    // Events for the next block, at its first frame, in the order queued.
    // Positions go to the time input, as Ardour sends them, or with
    // `onControl` to the event input, as hosts that send one sequence do.
    void queueMidi(uint8_t status, uint8_t data1, uint8_t data2);
    void queuePosition(int64_t frame, float speed, float beatsPerMinute, bool onControl = false);
    void queueCommand(int index, float value);
    void queueSendAll();
    // The outputs in the inputs' buffers, as hosts may connect them.
    void processInPlace();
    // One block of stereo audio; the outputs go to outLeft and outRight.
    void run(const float* inLeft, const float* inRight, float* outLeft, float* outRight, uint32_t frames);
    // The same in its three steps, for a test that watches the plug-in's
    // run() alone: the inputs in place, the plug-in's run(), the outputs out.
    uint32_t prepare(const float* inLeft, const float* inRight, uint32_t frames);
    void runPlugin(uint32_t frames) { lilv_instance_run(instance, frames); }
    void finish(float* outLeft, float* outRight, uint32_t frames);
    // The values the plug-in sent since the last call.
    std::vector<Notice> takeNotices();
    // Every event of the event output of the last block, whole, as hosts
    // hand them to the editor.
    const std::vector<std::vector<uint8_t>>& lastNotifications() const { return notifications; }

    // State as hosts keep it: port values and the plug-in's own properties.
    LilvState* saveState();
    void restoreState(const LilvState* state);
    void loadPreset(const std::string& uri);
    // The plug-in's own state property, through its state interface directly:
    // the bytes it stores, and what it answers to given bytes.
    std::vector<uint8_t> saveChunk();
    LV2_State_Status restoreChunk(const std::vector<uint8_t>& bytes);

private:
    void startSequences();
    void collectNotices();

    World& world;
    LilvInstance* instance = nullptr;
    std::array<float, lv2_ports::kNumPorts> controls{};
    std::vector<float> audio[4];
    // Event buffers as LV2 wants them: 64-bit aligned.
    std::vector<uint64_t> controlBuffer, notifyBuffer, timeBuffer;
    LV2_Atom_Forge forge, timeForge;
    LV2_Atom_Forge_Frame sequenceFrame, timeFrame;
    bool inPlace = false;
    std::vector<Notice> notices;
    std::vector<std::vector<uint8_t>> notifications;
    bool active = false;
};

}  // namespace lv2_test
