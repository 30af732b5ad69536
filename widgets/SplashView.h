// A press area that shows a picture over a display rectangle: the first left
// press shows it (and makes it the only view that takes presses), the next
// press hides it again.
#pragma once

#include "widgets/Control.h"

class SplashView : public Control {
public:
    SplashView(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
               const Rect& toDisplay, Point offset = {});

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;

private:
    Rect toDisplay;
    Rect keepSize;
};
