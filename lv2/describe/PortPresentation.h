// How a host should present each parameter's port, as the editor presents
// the control: a knob, a switch, a button that fires once, a menu (with the
// editor's own entry texts) or a switch with a few positions.
#pragma once

#include <span>

enum class PortKind {
    kContinuous,  // a knob or slider over 0..1
    kSwitch,      // off (0) or on (1)
    kTrigger,     // a button: writing 1 makes something happen once
    kMenu,        // entry i of n is the value i / n, as the editor's menus send it
    kPositions,   // a switch of n positions at i / (n - 1), named by the plug-in's display text
    kSteps,       // n evenly spaced steps at i / (n - 1), without names
};

struct PortPresentation {
    PortKind kind = PortKind::kContinuous;
    std::span<const char* const> entries;  // kMenu: the menu's texts
    int positions = 0;                     // kPositions, kSteps: how many
};

PortPresentation presentationOf(int parameter);

// The value entry i of a menu with n entries sends (the editor's division, in
// single precision, so the port value is the very float the menu sends).
float menuValue(int entry, int entries);
// The value of position i of n.
float positionValue(int position, int positions);
