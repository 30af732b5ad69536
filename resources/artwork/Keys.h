// The square keys of the window: a dark recess with a raised cap that sinks
// when the key is held or latched.
#pragma once

#include "resources/artwork/Painter.h"

#include <cairo.h>

namespace artwork {

enum class KeyState { Up, Down };

// Fills the whole width x height with the recess and draws the cap in it;
// returns the cap's face, where the legend goes (already moved down when the
// key is down).
Box drawKey(cairo_t* cr, double width, double height, KeyState state);

// A lamp set into the key's face near its top edge.
struct KeyLamp {
    Colour lit, unlit;
};
void drawKeyLamp(cairo_t* cr, const Box& face, double cx, const KeyLamp& lamp, bool on);

}  // namespace artwork
