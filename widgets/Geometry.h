// Pixel positions and rectangles of the panel: x grows to the right, y
// downwards, from the window's top-left corner. A rectangle's right and bottom
// edges are exclusive, so its width is right - left.
#pragma once

#include <algorithm>

struct Point {
    int h = 0;
    int v = 0;

    bool operator==(const Point&) const = default;
    Point offset(int dh, int dv) const { return {h + dh, v + dv}; }
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Rect&) const = default;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.h >= left && p.h < right && p.v >= top && p.v < bottom; }
    Point topLeft() const { return {left, top}; }
    Rect offset(int dh, int dv) const { return {left + dh, top + dv, right + dh, bottom + dv}; }
    Rect moveTo(Point p) const { return {p.h, p.v, p.h + width(), p.v + height()}; }
    bool intersects(const Rect& o) const {
        return !empty() && !o.empty() && left < o.right && o.left < right && top < o.bottom &&
               o.top < bottom;
    }
    Rect intersection(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.empty() ? Rect{} : r;
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect united(const Rect& o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }
};
