// The Mix slider: the kit's handle slider whose handle changes to a second
// bitmap while touch recording is on.
#pragma once

#include "widgets/HandleSlider.h"

class TouchSlider : public HandleSlider {
public:
    TouchSlider(const Rect& size, ControlListener* listener, int tag, int minPos, int maxPos,
                Bitmap* handle, Bitmap* touchHandle, Bitmap* track, Point offset = {},
                int style = kHorizontal);
    ~TouchSlider() override;

    virtual void setTouchMode(int mode);
    int getTouchMode() const { return touchMode; }

private:
    Bitmap* normalHandle;
    Bitmap* touchHandle;
    int touchMode = 0;
};
