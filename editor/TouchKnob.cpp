#include "editor/TouchKnob.h"

#include <cmath>
#include <numbers>

#include "widgets/MouseButtons.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

}  // namespace

TouchKnob::TouchKnob(const Rect& r, ControlListener* listener, int tag, Bitmap* body,
                     Bitmap* handleBitmap, Bitmap* touchHandleBitmap, Point offset)
    : Control(r, listener, tag, body),
      handle(handleBitmap),
      touchHandle(touchHandleBitmap),
      startAngle(5.0f * kPi / 4.0f),
      rangeAngle(-3.0f * kPi / 2.0f),
      radius(r.width() * 0.5f) {
    backOffset = offset;
    if (handle) handle->remember();
    if (touchHandle) touchHandle->remember();
    // The handle runs this far inside the rim, so that a dot stays whole.
    inset = handle ? static_cast<int>(handle->getWidth() * 0.5f + 2.5f) : 3;
    compute();
}

TouchKnob::~TouchKnob() {
    if (handle) handle->forget();
    if (touchHandle) touchHandle->forget();
}

void TouchKnob::compute() {
    halfAngle = (2.0f * kPi - std::fabs(rangeAngle)) * 0.5f;
    aCoef = (vmax - vmin) / rangeAngle;
    bCoef = vmin - aCoef * startAngle;
    setDirty();
}

void TouchKnob::setStartAngle(float angle) {
    startAngle = angle;
    compute();
}

void TouchKnob::setRangeAngle(float angle) {
    rangeAngle = angle;
    compute();
}

void TouchKnob::setTouchMode(int mode) {
    touchMode = mode;
    setDirty();
}

void TouchKnob::valueToPoint(Point& point) const {
    const float alpha = (value - bCoef) / aCoef;
    point.h = static_cast<int>(radius + std::cos(alpha) * (radius - inset) + 0.5f);
    point.v = static_cast<int>(radius - std::sin(alpha) * (radius - inset) + 0.5f);
}

float TouchKnob::valueFromPoint(Point where) const {
    const float dx = where.h - radius;
    const float dy = radius - where.v;
    float alpha = std::atan2(dy, dx);
    // Angles in the gap below the centre belong to the nearer end.
    if (alpha < -kPi / 2.0f) alpha += 2.0f * kPi;
    float v = alpha * aCoef + bCoef;
    return v < vmin ? vmin : (v > vmax ? vmax : v);
}

void TouchKnob::draw(DrawContext& context) {
    if (background) background->drawTransparent(context, size, backOffset);
    Point where;
    valueToPoint(where);
    if (handle && touchHandle) {
        Bitmap* dot = touchMode != 0 ? touchHandle : handle;
        const int left = size.left + where.h - dot->getWidth() / 2;
        const int top = size.top + where.v - dot->getHeight() / 2;
        dot->drawTransparent(context, {left, top, left + dot->getWidth(), top + dot->getHeight()});
    } else {
        const Point centre{size.left + static_cast<int>(radius), size.top + static_cast<int>(radius)};
        const Point tip = where.offset(size.left, size.top);
        context.setFrameColor(colorHandle);
        context.drawLine(centre, tip);
        context.setFrameColor(colorShadowHandle);
        context.drawLine(centre.offset(1, 1), tip.offset(1, 1));
    }
    setDirty(false);
}

float TouchKnob::pixelsForFullRange(int buttons) {
    const bool shift = buttons & kShift;
    const bool alt = buttons & kAlt;
    if (shift && alt) return 10000.0f;
    if (alt) return 800.0f;
    if (shift) return 400.0f;
    return 200.0f;
}

MouseResult TouchKnob::mouse(DrawContext& context, Point where) {
    if (!mouseEnabled) return kMouseDone;
    const int buttons = context.getMouseButtons();
    if (!(buttons & kAnyMouseButton)) return kMouseDone;
    if (handleSpecialPress(context, true)) return kMouseDone;
    coef = (vmax - vmin) / pixelsForFullRange(buttons);
    entryValue = value;
    firstPoint = where;
    lastButtons = buttons;
    beginEdit();
    return kMouseTracking;
}

bool TouchKnob::trackMouse(DrawContext& context, Point where) {
    const int buttons = context.getMouseButtons();
    const int diff = (where.h - firstPoint.h) - (where.v - firstPoint.v);
    if (buttons != lastButtons) {
        // The modifiers changed: a new speed from here on, without a jump.
        const float newCoef = (vmax - vmin) / ((buttons & kShift) ? 300.0f : 100.0f);
        entryValue += diff * (coef - newCoef);
        coef = newCoef;
        lastButtons = buttons;
    }
    if (buttons & kLButton) {
        const float before = value;
        value = entryValue + diff * coef;
        bounceValue();
        if (value != before) report(context);
        doIdleStuff();
        return true;
    }
    endEdit();
    // One more report with no button held: the knob was let go.
    if (!(buttons & kAnyMouseButton)) report(context);
    return false;
}

void TouchKnob::cancelTracking(DrawContext& /*context*/) { endEdit(); }
