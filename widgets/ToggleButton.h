// An on/off button: each left press flips it between 0 and 1. Its bitmap
// holds two images, off above on.
#pragma once

#include "widgets/Control.h"

class ToggleButton : public Control {
public:
    ToggleButton(const Rect& size, ControlListener* listener, int tag, Bitmap* background);

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
};
