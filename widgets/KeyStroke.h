// A key as the kit's views receive it: a character, or one of the keys that
// are not characters (VirtualKey), with the modifiers held. Keys from the
// window system and keys a host passes on arrive as the same stroke, so a
// control handles one kind of key event whichever way the key came.
#pragma once

#include "widgets/VirtualKeys.h"

struct KeyStroke {
    int character = 0;           // a Latin-1 character, or 0
    unsigned char virt = 0;      // a VirtualKey, or 0
    unsigned char modifier = 0;  // KeyModifier flags
};
