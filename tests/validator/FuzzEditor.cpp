// The editor under a hostile host: opened in a real X window of the host's
// (now and then in a handle that is no window at all, or the screen itself),
// opened again without a close, idled, given keys, and closed, the host
// destroying its own window first now and then. Whatever the parent, no
// top-level window may appear: a plug-in's panel lives inside the host's.
#include <cstdio>

#include "tests/validator/Fuzz.h"
#include "tests/validator/FuzzWindows.h"

namespace validator::fuzz {

namespace {

// A parent that is no host window: none, a number no window has, the screen
// itself, a host window's number with bits no X id has.
uintptr_t strangeParent(Plugin& plugin, Dice& dice, HostWindows* windows) {
    switch (dice.between(0, 3)) {
        case 0: return 0;
        case 1: return 0x3FFFFF;
        case 2: return windows ? windows->root() : 1;
        default: return plugin.hostWindow | (uintptr_t{1} << 32);
    }
}

void openEditor(Plugin& plugin, Dice& dice, HostWindows* windows) {
    uintptr_t parent = 0;
    if (windows && dice.chance(0.85)) {
        if (!plugin.hostWindow) plugin.hostWindow = windows->create();
        parent = plugin.hostWindow;
    } else {
        parent = strangeParent(plugin, dice, windows);
    }
    const auto before = windows ? windows->shownTopLevel() : std::set<uintptr_t>{};
    const bool opened = plugin.instance.call(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)) != 0;
    plugin.editorOpen = plugin.editorOpen || opened;
    if (!windows) return;
    for (uintptr_t window : windows->shownTopLevel())
        if (!before.count(window)) {
            char why[96];
            std::snprintf(why, sizeof why, "effEditOpen with parent 0x%lx showed a top-level window",
                          static_cast<unsigned long>(parent));
            throw Fault(why);
        }
}

void pressKey(Plugin& plugin, Dice& dice) {
    static constexpr VstInt32 kCharacters[] = {0, '0', '7', '.', '-', 'a', 13, 27, 8, 255, -1};
    const VstInt32 character = dice.pick(kCharacters);
    const VstIntPtr virtualKey = dice.chance(0.7) ? dice.between(0, 40) : dice.pick({255, -1, 1000});
    const float modifiers = dice.chance(0.8) ? float(dice.between(0, 15)) : dice.hostileFloat();
    plugin.instance.call(effEditKeyDown, character, virtualKey, nullptr, modifiers);
    plugin.instance.call(effEditKeyUp, character, virtualKey, nullptr, modifiers);
}

void destroyHostWindow(Plugin& plugin, HostWindows* windows) {
    if (!windows || !plugin.hostWindow) return;
    windows->destroy(plugin.hostWindow);
    plugin.hostWindow = 0;
}

}  // namespace

void driveEditor(Plugin& plugin, Dice& dice, HostWindows* windows) {
    if (!plugin.editorOpen || dice.chance(0.1)) return openEditor(plugin, dice, windows);
    switch (dice.between(0, 9)) {
        case 0: case 1: case 2: case 3: case 4: {
            for (int idle = dice.between(1, 4); idle > 0; --idle) plugin.instance.call(effEditIdle);
            if (windows) windows->drain();
            return;
        }
        case 5: case 6: pressKey(plugin, dice); return;
        case 7: destroyHostWindow(plugin, windows); return;  // the editor stays open a while
        default: letGoOfEditor(plugin, dice, windows);
    }
}

void letGoOfEditor(Plugin& plugin, Dice& dice, HostWindows* windows) {
    if (dice.chance(0.3)) {
        destroyHostWindow(plugin, windows);  // the host tears its frame down first
        if (dice.chance(0.5)) plugin.instance.call(effEditIdle);
    }
    plugin.instance.call(effEditClose);
    plugin.editorOpen = false;
    if (dice.chance(0.5)) destroyHostWindow(plugin, windows);  // else the next open reuses it
}

}  // namespace validator::fuzz
