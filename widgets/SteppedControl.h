// A control that the wheel and, once it was pressed, the arrow keys step
// through its range: one increment (the wheel increment) per wheel step or
// key, a tenth of it with Shift, reported when the value changed. Up and
// right increase, down and left decrease. The strip knob and the handle
// slider step this way.
#pragma once

#include "widgets/Control.h"

class SteppedControl : public Control {
public:
    using Control::Control;

    bool onWheel(DrawContext& context, Point where, float distance) override;
    bool onKeyDown(DrawContext& context, KeyStroke& key) override;
    bool wantsFocus() const override { return true; }

private:
    // Moves the value by `steps` increments (or tenths of one).
    void step(DrawContext& context, float steps, bool fine);
};
