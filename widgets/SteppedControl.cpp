#include "widgets/SteppedControl.h"

#include "widgets/MouseButtons.h"

bool SteppedControl::onWheel(DrawContext& context, Point /*where*/, float distance) {
    if (!mouseEnabled) return false;
    step(context, distance, (context.getMouseButtons() & kShift) != 0);
    return true;
}

bool SteppedControl::onKeyDown(DrawContext& context, KeyStroke& key) {
    if (!mouseEnabled) return false;
    float direction = 0.0f;
    if (key.virt == kVKeyUp || key.virt == kVKeyRight)
        direction = 1.0f;
    else if (key.virt == kVKeyDown || key.virt == kVKeyLeft)
        direction = -1.0f;
    else
        return false;
    step(context, direction, (key.modifier & kModifierShift) != 0);
    return true;
}

void SteppedControl::step(DrawContext& context, float steps, bool fine) {
    const float before = value;
    value += steps * (fine ? wheelInc * 0.1f : wheelInc);
    bounceValue();
    if (value != before) report(context);
}
