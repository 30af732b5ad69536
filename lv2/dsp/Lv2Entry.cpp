// The DSP binary's one exported function: the plug-in's LV2 descriptor.
#include <lv2/core/lv2.h>
#include <lv2/state/state.h>

#include <cstring>

#include "lv2/BundleUris.h"
#include "lv2/dsp/StutterLv2.h"

namespace {

StutterLv2* self(LV2_Handle handle) { return static_cast<StutterLv2*>(handle); }

LV2_Handle instantiate(const LV2_Descriptor*, double rate, const char*, const LV2_Feature* const* features) {
    return StutterLv2::create(rate, features);
}

void connectPort(LV2_Handle handle, uint32_t port, void* data) { self(handle)->connect(port, data); }
void activate(LV2_Handle handle) { self(handle)->activate(); }
void run(LV2_Handle handle, uint32_t frames) { self(handle)->run(frames); }
void deactivate(LV2_Handle) {}
void cleanup(LV2_Handle handle) { delete self(handle); }

LV2_State_Status save(LV2_Handle handle, LV2_State_Store_Function store, LV2_State_Handle state, uint32_t,
                      const LV2_Feature* const*) {
    return self(handle)->save(store, state);
}

LV2_State_Status restore(LV2_Handle handle, LV2_State_Retrieve_Function retrieve, LV2_State_Handle state,
                         uint32_t, const LV2_Feature* const*) {
    return self(handle)->restore(retrieve, state);
}

const void* extensionData(const char* uri) {
    static const LV2_State_Interface kState = {save, restore};
    return std::strcmp(uri, LV2_STATE__interface) == 0 ? &kState : nullptr;
}

const LV2_Descriptor kDescriptor = {
    ZARVOLINE_LV2_URI, instantiate, connectPort, activate, run, deactivate, cleanup, extensionData,
};

}  // namespace

extern "C" LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index) {
    return index == 0 ? &kDescriptor : nullptr;
}
