// X11 input in the kit's terms: pointer buttons and modifiers as the kit's
// flags, and key presses as the kit's key strokes.
#pragma once

#include <X11/Xlib.h>

#include "widgets/KeyStroke.h"

namespace x11Input {

// Buttons and modifiers held according to an event's state field.
int buttonsFromState(unsigned int state);
// The kit flag of X button 1 to 3 (left, middle, right); 0 for the others.
int buttonFlag(unsigned int button);
// The kit flag of a modifier key (Shift, Control, Alt), or 0.
int modifierFlagOfKey(KeySym keysym);
// A key press as a key stroke: a Latin-1 character, or a virtual key for the
// keys that are not characters. False for keys the kit has no code for.
bool toKeyStroke(XKeyEvent& event, KeyStroke& key);

}  // namespace x11Input
