// The Record switch: on or off like a toggle button, with a pending state
// drawn over it while a change waits for the next Rec Sync boundary. Its
// bitmap holds four images: idle, on, pending and off, pending and on.
#pragma once

#include "widgets/ToggleButton.h"

class RecordButton : public ToggleButton {
public:
    RecordButton(const Rect& size, ControlListener* listener, int tag, Bitmap* background);

    void draw(DrawContext& context) override;

    void setPending(float state);
    float getPending() const { return pending; }
    int imageIndex() const { return (value != 0.0f ? 1 : 0) + (pending != 0.0f ? 2 : 0); }

private:
    float pending = 0.0f;
};
