// Keys that are not characters, and the modifier flags held with a key, as
// the kit numbers them in a KeyStroke. The numbers are the ones plug-in hosts
// commonly use for the same keys, so a format adaptor that receives keys from
// its host mostly copies them.
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
