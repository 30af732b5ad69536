// The library's only exports. Hosts look up "VSTPluginMain" (current Linux
// hosts) or "main" (the original name); both create one instance.
#include <new>

#include "plugin/StutterEffectEdit.h"

namespace {

AEffect* createInstance(audioMasterCallback audioMaster) noexcept {
    if (!audioMaster || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;  // not a VST 2 host
    try {
        auto* instance = new (std::nothrow) StutterEffectEdit(audioMaster);
        if (!instance) return nullptr;
        if (!instance->constructedWhole() || !instance->getEditor()) {
            delete instance;
            return nullptr;
        }
        return instance->getAeffect();
    } catch (...) {
        return nullptr;  // nothing may cross into the host
    }
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    return createInstance(audioMaster);
}

// "main" cannot be declared as an ordinary function in C++; the label gives
// the symbol its name.
__attribute__((visibility("default"))) AEffect* vstMainEntry(audioMasterCallback audioMaster)
    asm("main");
AEffect* vstMainEntry(audioMasterCallback audioMaster) { return createInstance(audioMaster); }
}
