// Switches of a few positions, set by pressing or dragging over zones of
// equal size: VerticalSwitch top to bottom, HorizontalSwitch left to right.
// The value of position p of n is p / (n - 1); the bitmap holds one image
// per position (the count of images it is given says no more than that).
#pragma once

#include "widgets/Control.h"

class SwitchControl : public Control {
public:
    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    bool trackMouse(DrawContext& context, Point where) override;
    void cancelTracking(DrawContext& context) override;
    int imageIndex() const;

protected:
    SwitchControl(bool vertical, const Rect& size, ControlListener* listener, int tag,
                  int subPixmaps, int heightOfOneImage, int positions, Bitmap* background,
                  Point offset);

private:
    void step(DrawContext& context, Point where);

    bool vertical;
    int heightOfOneImage;
    int positions;
    int entryButtons = 0;
};

class VerticalSwitch : public SwitchControl {
public:
    VerticalSwitch(const Rect& size, ControlListener* listener, int tag, int subPixmaps,
                   int heightOfOneImage, int positions, Bitmap* background, Point offset = {})
        : SwitchControl(true, size, listener, tag, subPixmaps, heightOfOneImage, positions,
                        background, offset) {}
};

class HorizontalSwitch : public SwitchControl {
public:
    HorizontalSwitch(const Rect& size, ControlListener* listener, int tag, int subPixmaps,
                     int heightOfOneImage, int positions, Bitmap* background, Point offset = {})
        : SwitchControl(false, size, listener, tag, subPixmaps, heightOfOneImage, positions,
                        background, offset) {}
};
