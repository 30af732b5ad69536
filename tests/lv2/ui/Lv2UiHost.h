// A small LV2 UI host for the editor's tests: it loads the bundle's UI binary
// with dlopen, as suil-less hosts do, instantiates the editor under a host
// window (ui:parent) with the URID map and ui:touch, idles it through
// ui:idleInterface, hands it port events, and records what it writes: port
// values, touch brackets and messages for the DSP. A DSP instance may be
// attached, so that what the editor writes reaches the plug-in as in a host.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <lv2/ui/ui.h>

#include "tests/lv2/Lv2Host.h"

namespace lv2_test {

struct PortWrite {
    uint32_t port;
    float value;
};

struct Touch {
    uint32_t port;
    bool grabbed;
};

struct Command {
    int index;
    float value;
};

class UiInstance {
public:
    // The UI binary is loaded once per process; null descriptor if it cannot be.
    static const LV2UI_Descriptor* descriptor();

    UiInstance(World& world, uintptr_t parentWindow, Instance* dsp = nullptr);
    ~UiInstance();
    UiInstance(const UiInstance&) = delete;
    UiInstance& operator=(const UiInstance&) = delete;

    bool valid() const { return handle != nullptr; }
    uintptr_t widget() const { return reinterpret_cast<uintptr_t>(widgetData); }
    int idle();
    void portEvent(uint32_t port, float value);
    void atomEvent(uint32_t port, const LV2_Atom& atom);
    // Hands the DSP's event output of its last block to the editor, as hosts do.
    void forwardNotifications();

    std::vector<PortWrite> writes;
    std::vector<Touch> touches;
    std::vector<Command> commands;
    int sendAllRequests = 0;

private:
    static void write(LV2UI_Controller controller, uint32_t port, uint32_t size, uint32_t format,
                      const void* buffer);
    static LV2UI_Feature_Handle touchHandleOf(UiInstance* self) { return self; }

    World& world;
    Instance* dsp;
    LV2UI_Handle handle = nullptr;
    LV2UI_Widget widgetData = nullptr;
    LV2UI_Touch touchFeature;
    LV2_Feature parentFeature, touchFeatureEntry;
    std::vector<const LV2_Feature*> features;
    const LV2UI_Idle_Interface* idleInterface = nullptr;
};

}  // namespace lv2_test
