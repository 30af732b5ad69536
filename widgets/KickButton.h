// A momentary button: 1 while it is held down with the pointer over it, back
// to 0 (and reported again) when let go. Its bitmap holds two images of
// `imageHeight`, released above pressed.
#pragma once

#include "widgets/Control.h"

class KickButton : public Control {
public:
    KickButton(const Rect& size, ControlListener* listener, int tag, int imageHeight,
               Bitmap* background, Point offset = {});

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    bool trackMouse(DrawContext& context, Point where) override;
    void cancelTracking(DrawContext& context) override;

private:
    void step(DrawContext& context, Point where);
    void release(DrawContext& context);

    int imageHeight;
    float entryState = 0.0f;
};
