#include "widgets/x11/X11Input.h"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include "widgets/MouseButtons.h"
#include "widgets/VirtualKeys.h"

namespace x11Input {

int buttonsFromState(unsigned int state) {
    int buttons = 0;
    if (state & Button1Mask) buttons |= kLButton;
    if (state & Button2Mask) buttons |= kMButton;
    if (state & Button3Mask) buttons |= kRButton;
    if (state & ShiftMask) buttons |= kShift;
    if (state & ControlMask) buttons |= kControl;
    if (state & Mod1Mask) buttons |= kAlt;
    return buttons;
}

int buttonFlag(unsigned int button) {
    switch (button) {
        case Button1: return kLButton;
        case Button2: return kMButton;
        case Button3: return kRButton;
        default: return 0;
    }
}

int modifierFlagOfKey(KeySym keysym) {
    switch (keysym) {
        case XK_Shift_L:
        case XK_Shift_R: return kShift;
        case XK_Control_L:
        case XK_Control_R: return kControl;
        case XK_Alt_L:
        case XK_Alt_R:
        case XK_Meta_L:
        case XK_Meta_R: return kAlt;
        default: return 0;
    }
}

namespace {

unsigned char virtualKeyOf(KeySym keysym) {
    switch (keysym) {
        case XK_BackSpace: return kVKeyBack;
        case XK_Tab: return kVKeyTab;
        case XK_Return: return kVKeyReturn;
        case XK_KP_Enter: return kVKeyEnter;
        case XK_Escape: return kVKeyEscape;
        case XK_Home:
        case XK_KP_Home: return kVKeyHome;
        case XK_End:
        case XK_KP_End: return kVKeyEnd;
        case XK_Left:
        case XK_KP_Left: return kVKeyLeft;
        case XK_Up:
        case XK_KP_Up: return kVKeyUp;
        case XK_Right:
        case XK_KP_Right: return kVKeyRight;
        case XK_Down:
        case XK_KP_Down: return kVKeyDown;
        case XK_Page_Up: return kVKeyPageUp;
        case XK_Page_Down: return kVKeyPageDown;
        case XK_Insert: return kVKeyInsert;
        case XK_Delete:
        case XK_KP_Delete: return kVKeyDelete;
        case XK_Shift_L:
        case XK_Shift_R: return kVKeyShift;
        case XK_Control_L:
        case XK_Control_R: return kVKeyControl;
        case XK_Alt_L:
        case XK_Alt_R: return kVKeyAlt;
        default: return 0;
    }
}

}  // namespace

bool toKeyStroke(XKeyEvent& event, KeyStroke& key) {
    char text[8] = {};
    KeySym keysym = NoSymbol;
    const int length = XLookupString(&event, text, sizeof text, &keysym, nullptr);
    key = KeyStroke{};
    if (event.state & ShiftMask) key.modifier |= kModifierShift;
    if (event.state & Mod1Mask) key.modifier |= kModifierAlternate;
    if (event.state & ControlMask) key.modifier |= kModifierControl;
    key.virt = virtualKeyOf(keysym);
    if (key.virt) return true;
    const auto character = static_cast<unsigned char>(text[0]);
    if (length == 1 && character >= 0x20 && character != 0x7F) {
        key.character = character;
        if (character == ' ') key.virt = kVKeySpace;
        return true;
    }
    return false;
}

}  // namespace x11Input
