// A horizontal slider: a handle bitmap over a track bitmap, minimum at the
// left. The handle's centre follows the pointer; Shift slows it down by the
// zoom factor. The wheel and, once pressed, the arrow keys move it too.
#pragma once

#include <memory>

#include "widgets/OffscreenImage.h"
#include "widgets/SteppedControl.h"

class HandleSlider : public SteppedControl {
public:
    // `minPos` and `maxPos` are the handle's left edge at the two ends, in
    // panel coordinates. Every slider is horizontal: the style has no other
    // value.
    HandleSlider(const Rect& size, ControlListener* listener, int tag, int minPos, int maxPos,
                 Bitmap* handle, Bitmap* background, Point offset = {}, int style = kHorizontal);
    ~HandleSlider() override;

    static constexpr int kHorizontal = 1;

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    bool trackMouse(DrawContext& context, Point where) override;
    void cancelTracking(DrawContext& context) override;
    void removed() override;

    void setDrawTransparentHandle(bool state) { drawTransparentHandle = state; }
    // Off: only a press on the handle moves it, keeping its distance to the
    // pointer.
    void setFreeClick(bool state) { freeClick = state; }
    bool getFreeClick() const { return freeClick; }
    void setOffsetHandle(Point offset) { offsetHandle = offset; }
    void setHandle(Bitmap* bitmap);
    Bitmap* getHandle() const { return handle; }
    void setZoomFactor(float factor) { zoomFactor = factor; }
    float getZoomFactor() const { return zoomFactor; }
    // The handle's rectangle, relative to the slider.
    Rect handleRect() const;

private:
    Bitmap* handle;
    Point offsetHandle;
    int minPos;       // the handle's leftmost edge, relative to the slider
    int rangeHandle;  // pixels of travel
    int widthOfHandle;
    int heightOfHandle;
    float zoomFactor = 10.0f;
    bool drawTransparentHandle = true;
    bool freeClick = true;
    std::unique_ptr<OffscreenImage> offscreen;
    // The drag in progress.
    int grabPoint = 0;
    float zoomBase = 0.0f;  // the value when Shift went down
    int lastButtons = 0;
};
