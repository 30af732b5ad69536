// The editor binary's one exported function: the LV2 UI descriptor.
#include <lv2/ui/ui.h>

#include <cstring>

#include "lv2/BundleUris.h"
#include "lv2/ui/StutterLv2Ui.h"

namespace {

StutterLv2Ui* self(LV2UI_Handle handle) { return static_cast<StutterLv2Ui*>(handle); }

LV2UI_Handle instantiate(const LV2UI_Descriptor*, const char*, const char*, LV2UI_Write_Function write,
                         LV2UI_Controller controller, LV2UI_Widget* widget, const LV2_Feature* const* features) {
    return StutterLv2Ui::create(write, controller, features, widget);
}

void cleanup(LV2UI_Handle handle) { delete self(handle); }

void portEvent(LV2UI_Handle handle, uint32_t port, uint32_t size, uint32_t format, const void* buffer) {
    self(handle)->portEvent(port, size, format, buffer);
}

int idle(LV2UI_Handle handle) { return self(handle)->idle(); }

const void* extensionData(const char* uri) {
    static const LV2UI_Idle_Interface kIdle = {idle};
    return std::strcmp(uri, LV2_UI__idleInterface) == 0 ? &kIdle : nullptr;
}

const LV2UI_Descriptor kDescriptor = {ZARVOLINE_LV2_UI_URI, instantiate, cleanup, portEvent, extensionData};

}  // namespace

extern "C" LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index) {
    return index == 0 ? &kDescriptor : nullptr;
}
