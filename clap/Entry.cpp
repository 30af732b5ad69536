// The library's only export: clap_entry, whose factory makes Zarvoline
// instances for any host speaking CLAP 1.x.
#include <clap/entry.h>
#include <clap/plugin-factory.h>

#include <cstring>
#include <new>

#include "clap/ClapPlugin.h"
#include "clap/Descriptor.h"

namespace {

uint32_t pluginCount(const clap_plugin_factory_t*) { return 1; }

const clap_plugin_descriptor_t* pluginDescriptor(const clap_plugin_factory_t*, uint32_t index) {
    return index == 0 ? &kZarvolineDescriptor : nullptr;
}

const clap_plugin_t* createPlugin(const clap_plugin_factory_t*, const clap_host_t* host,
                                  const char* id) {
    if (host == nullptr || id == nullptr || std::strcmp(id, kZarvolineDescriptor.id) != 0 ||
        !clap_version_is_compatible(host->clap_version))
        return nullptr;
    try {
        auto* instance = new (std::nothrow) ClapPlugin(host);
        return instance ? instance->clapPlugin() : nullptr;
    } catch (...) {
        return nullptr;  // nothing may cross into the host
    }
}

const clap_plugin_factory_t kFactory = {pluginCount, pluginDescriptor, createPlugin};

bool entryInit(const char*) { return true; }
void entryDeinit() {}

const void* entryFactory(const char* id) {
    return id != nullptr && std::strcmp(id, CLAP_PLUGIN_FACTORY_ID) == 0 ? &kFactory : nullptr;
}

}  // namespace

extern "C" CLAP_EXPORT const clap_plugin_entry_t clap_entry = {CLAP_VERSION_INIT, entryInit,
                                                                 entryDeinit, entryFactory};
