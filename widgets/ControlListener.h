// Whoever acts on a control's user actions (the editor): every report of a
// control arrives here, with the context to draw and read the mouse through.
#pragma once

class Control;
class DrawContext;

class ControlListener {
public:
    virtual ~ControlListener() = default;
    virtual void valueChanged(DrawContext& context, Control* control) = 0;
};
