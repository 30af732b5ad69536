// The mouse buttons and modifier keys as the kit reports them: one flag each,
// combined in one integer. Left is always the primary button; the window
// system already exchanges the physical buttons for left-handed users.
#pragma once

enum MouseButton : int {
    kLButton = 1,
    kMButton = 2,
    kRButton = 4,
    kShift = 8,
    kControl = 16,
    kAlt = 32,
};

constexpr int kAnyMouseButton = kLButton | kMButton | kRButton;
