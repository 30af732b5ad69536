#include "tests/lv2/ui/Lv2UiHost.h"

#include <dlfcn.h>

#include <lv2/atom/util.h>
#include <lv2/urid/urid.h>

#include "lv2/BundleUris.h"

namespace lv2_test {

const LV2UI_Descriptor* UiInstance::descriptor() {
    static const LV2UI_Descriptor* loaded = [] () -> const LV2UI_Descriptor* {
        // Kept for the process: the editor's kit keeps process-wide state.
        void* library = dlopen(ZARVOLINE_LV2_BUNDLE "/" ZARVOLINE_LV2_UI_BINARY, RTLD_NOW | RTLD_LOCAL);
        if (!library) return nullptr;
        using Entry = const LV2UI_Descriptor* (*)(uint32_t);
        const auto entry = reinterpret_cast<Entry>(dlsym(library, "lv2ui_descriptor"));
        return entry ? entry(0) : nullptr;
    }();
    return loaded;
}

UiInstance::UiInstance(World& w, uintptr_t parentWindow, Instance* attached) : world(w), dsp(attached) {
    touchFeature = {this, [](LV2UI_Feature_Handle self, uint32_t port, bool grabbed) {
                        static_cast<UiInstance*>(self)->touches.push_back({port, grabbed});
                    }};
    parentFeature = {LV2_UI__parent, reinterpret_cast<void*>(parentWindow)};
    touchFeatureEntry = {LV2_UI__touch, &touchFeature};
    for (const LV2_Feature* const* f = world.urids().features(); *f; ++f) features.push_back(*f);
    features.push_back(&parentFeature);
    features.push_back(&touchFeatureEntry);
    features.push_back(nullptr);
    const LV2UI_Descriptor* ui = descriptor();
    if (!ui) return;
    handle = ui->instantiate(ui, ZARVOLINE_LV2_URI, ZARVOLINE_LV2_BUNDLE "/", write, this, &widgetData,
                             features.data());
    idleInterface = static_cast<const LV2UI_Idle_Interface*>(ui->extension_data(LV2_UI__idleInterface));
}

UiInstance::~UiInstance() {
    if (handle) descriptor()->cleanup(handle);
}

int UiInstance::idle() { return handle && idleInterface ? idleInterface->idle(handle) : 1; }

void UiInstance::portEvent(uint32_t port, float value) {
    if (handle) descriptor()->port_event(handle, port, sizeof value, 0, &value);
}

void UiInstance::atomEvent(uint32_t port, const LV2_Atom& atom) {
    if (handle)
        descriptor()->port_event(handle, port, lv2_atom_total_size(&atom),
                                 world.urids().map(LV2_ATOM__eventTransfer), &atom);
}

void UiInstance::forwardNotifications() {
    if (!dsp) return;
    for (const std::vector<uint8_t>& bytes : dsp->lastNotifications())
        atomEvent(lv2_ports::kNotify, *reinterpret_cast<const LV2_Atom*>(bytes.data()));
}

void UiInstance::write(LV2UI_Controller controller, uint32_t port, uint32_t size, uint32_t format,
                       const void* buffer) {
    auto* self = static_cast<UiInstance*>(controller);
    UridMap& u = self->world.urids();
    if (format == 0 && size == sizeof(float)) {
        const float value = *static_cast<const float*>(buffer);
        self->writes.push_back({port, value});
        if (self->dsp) self->dsp->setControl(static_cast<int>(port), value);
        return;
    }
    if (format != u.map(LV2_ATOM__eventTransfer) || port != lv2_ports::kControl) return;
    const auto* atom = static_cast<const LV2_Atom*>(buffer);
    if (atom->type != u.map(LV2_ATOM__Object)) return;
    const auto* object = reinterpret_cast<const LV2_Atom_Object*>(atom);
    if (object->body.otype == u.map(ZARVOLINE_LV2_MSG_SEND_ALL)) {
        ++self->sendAllRequests;
        if (self->dsp) self->dsp->queueSendAll();
        return;
    }
    const LV2_Atom* index = nullptr;
    const LV2_Atom* value = nullptr;
    lv2_atom_object_get(object, u.map(ZARVOLINE_LV2_MSG_INDEX), &index, u.map(ZARVOLINE_LV2_MSG_NUMBER), &value, 0);
    if (object->body.otype != u.map(ZARVOLINE_LV2_MSG_COMMAND) || !index || !value) return;
    const Command command{reinterpret_cast<const LV2_Atom_Int*>(index)->body,
                          reinterpret_cast<const LV2_Atom_Float*>(value)->body};
    self->commands.push_back(command);
    if (self->dsp) self->dsp->queueCommand(command.index, command.value);
}

}  // namespace lv2_test
