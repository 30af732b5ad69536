// The pop-up of an OptionMenu, drawn by the kit as a modal overlay over the
// whole panel: a box of entries below the menu (or above it, or shifted) so
// that it always fits, and a box beside it for each open sub-menu. A click
// on an entry (or a release on one after dragging there) chooses it; Escape
// or a click outside closes it without a choice; the arrow keys and Return
// work too.
#pragma once

#include <vector>

#include "widgets/View.h"

class OptionMenu;

class MenuPopup : public View {
public:
    MenuPopup(OptionMenu& menu, DrawContext& context);

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    void mouseMoved(DrawContext& context, Point where) override;
    void mouseUp(DrawContext& context, Point where) override;
    bool onKeyDown(DrawContext& context, KeyStroke& key) override;
    bool onWheel(DrawContext&, Point, float) override { return true; }

    // The boxes of the open levels, top level first.
    int levelCount() const { return static_cast<int>(levels.size()); }
    Rect levelBox(int level) const { return levels[level].box; }
    // Where entry `index` of level `level` is drawn.
    Rect entryRect(int level, int index) const;

private:
    struct Level {
        OptionMenu* menu;
        Rect box;
        int rowHeight;
        int highlighted;
    };

    Level layout(DrawContext& context, OptionMenu* menu, Point at) const;
    void openSubMenu(DrawContext& context, int level, int index);
    void closeLevelsAbove(int level);
    bool entryAt(Point where, int& level, int& index) const;
    void drawLevel(DrawContext& context, const Level& level);
    // Closes the pop-up and tells the menu; the pop-up is gone afterwards.
    void finish(DrawContext& context, OptionMenu* owner, int index);
    void invalidateBoxes();

    OptionMenu& top;
    std::vector<Level> levels;
};
