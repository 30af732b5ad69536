// Keys that are not characters, numbered as VST 2 hosts number them in
// VstKeyCode::virt, and the modifier flags of VstKeyCode::modifier. Keys from
// the window system are translated into the same codes, so a control sees one
// kind of key event whichever way the key arrived.
#pragma once

enum VirtualKey : unsigned char {
    kVKeyBack = 1,
    kVKeyTab = 2,
    kVKeyReturn = 4,
    kVKeyEscape = 6,
    kVKeySpace = 7,
    kVKeyEnd = 9,
    kVKeyHome = 10,
    kVKeyLeft = 11,
    kVKeyUp = 12,
    kVKeyRight = 13,
    kVKeyDown = 14,
    kVKeyPageUp = 15,
    kVKeyPageDown = 16,
    kVKeyEnter = 19,
    kVKeyInsert = 21,
    kVKeyDelete = 22,
    kVKeyShift = 54,
    kVKeyControl = 55,
    kVKeyAlt = 56,
};

enum KeyModifier : unsigned char {
    kModifierShift = 1,
    kModifierAlternate = 2,
    kModifierCommand = 4,
    kModifierControl = 8,
};
