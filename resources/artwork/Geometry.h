// Pixel rectangles of the editor window: left, top, right, bottom, with right
// and bottom exclusive, the way the window's control list gives them.
#pragma once

namespace artwork {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr double centreX() const { return (left + right) * 0.5; }
    constexpr double centreY() const { return (top + bottom) * 0.5; }
    constexpr Rect movedBy(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Rect inset(int by) const { return {left + by, top + by, right - by, bottom - by}; }
    constexpr Rect unionWith(Rect other) const {
        return {left < other.left ? left : other.left, top < other.top ? top : other.top,
                right > other.right ? right : other.right, bottom > other.bottom ? bottom : other.bottom};
    }
};

}  // namespace artwork
