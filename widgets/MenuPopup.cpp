#include "widgets/MenuPopup.h"

#include <algorithm>

#include "widgets/EditorFrame.h"
#include "widgets/OptionMenu.h"
#include "widgets/VirtualKeys.h"

namespace {

constexpr int kCheckColumn = 14;  // room for the check mark at the left
constexpr int kArrowColumn = 14;  // room for a sub-menu's arrow at the right
constexpr int kBorder = 1;
constexpr Color kMenuBack{236, 233, 226, 255};
constexpr Color kMenuText{0, 0, 0, 255};
constexpr Color kHighlightBack{49, 106, 197, 255};
constexpr Color kBorderColor{96, 96, 96, 255};

// Moves `box` inside `area`, by as little as possible.
Rect fitInside(Rect box, const Rect& area) {
    if (box.right > area.right) box = box.offset(area.right - box.right, 0);
    if (box.left < area.left) box = box.offset(area.left - box.left, 0);
    if (box.bottom > area.bottom) box = box.offset(0, area.bottom - box.bottom);
    if (box.top < area.top) box = box.offset(0, area.top - box.top);
    return box;
}

}  // namespace

MenuPopup::MenuPopup(OptionMenu& menu, DrawContext& context)
    : View(menu.getFrame() ? menu.getFrame()->getSize() : menu.getSize()), top(menu) {
    parent = menu.getFrame();  // drawn by the frame as its overlay, never added to it
    const Rect& control = menu.getSize();
    Level first = layout(context, &menu, {control.left, control.top});
    const int height = first.box.height();
    const Rect panel = size;
    if (menu.getStyle() & kPopupAtTop) {
        first.box = fitInside(first.box, panel);
    } else {
        // Below the menu if it fits, else above it, else wherever it fits.
        first.box = first.box.moveTo({control.left, control.bottom});
        if (first.box.bottom > panel.bottom && control.top - height >= panel.top)
            first.box = first.box.moveTo({control.left, control.top - height});
        first.box = fitInside(first.box, panel);
    }
    first.highlighted = menu.getCurrentIndex();
    levels.push_back(first);
}

MenuPopup::Level MenuPopup::layout(DrawContext& context, OptionMenu* menu, Point at) const {
    context.setFont(menu->getFont());
    cairo_font_extents_t font;
    cairo_font_extents(context.cairo(), &font);
    const int rowHeight = static_cast<int>(font.ascent + font.descent + 0.5) + 4;
    int width = 0;
    for (int i = 0; i < menu->getNbEntries(); ++i)
        width = std::max(width, context.getStringWidth(menu->getEntry(i)));
    width += kCheckColumn + kArrowColumn + 2 * kBorder;
    const int height = std::min(rowHeight * menu->getNbEntries() + 2 * kBorder, size.height());
    return {menu, Rect{at.h, at.v, at.h + width, at.v + height}, rowHeight, -1};
}

Rect MenuPopup::entryRect(int level, int index) const {
    const Level& l = levels[level];
    const int top = l.box.top + kBorder + index * l.rowHeight;
    return {l.box.left + kBorder, top, l.box.right - kBorder, top + l.rowHeight};
}

bool MenuPopup::entryAt(Point where, int& level, int& index) const {
    for (level = levelCount() - 1; level >= 0; --level) {
        const Level& l = levels[level];
        if (!l.box.contains(where)) continue;
        index = (where.v - l.box.top - kBorder) / l.rowHeight;
        if (where.v < l.box.top + kBorder || index >= l.menu->getNbEntries()) index = -1;
        return true;
    }
    return false;
}

void MenuPopup::invalidateBoxes() {
    if (!parent) return;
    for (const Level& level : levels) parent->invalidate(level.box);
}

void MenuPopup::closeLevelsAbove(int level) {
    invalidateBoxes();
    if (levelCount() > level + 1) levels.resize(level + 1);
}

void MenuPopup::openSubMenu(DrawContext& context, int level, int index) {
    OptionMenu* sub = levels[level].menu->getSubMenu(index);
    closeLevelsAbove(level);
    if (!sub || sub->getNbEntries() == 0) return;
    const Rect row = entryRect(level, index);
    const Rect parentBox = levels[level].box;
    Level next = layout(context, sub, {parentBox.right - 2, row.top - kBorder});
    // To the right of its parent if it fits there, else to the left.
    if (next.box.right > size.right)
        next.box = next.box.moveTo({parentBox.left - next.box.width() + 2, next.box.top});
    next.box = fitInside(next.box, size);
    levels.push_back(next);
    invalidateBoxes();
}

void MenuPopup::finish(DrawContext& context, OptionMenu* owner, int index) {
    OptionMenu& menu = top;
    invalidateBoxes();
    if (parent) parent->setModalView(nullptr);
    forget();  // the frame's overlay reference: the pop-up is gone now
    menu.popupClosed(context, owner, index);
}

MouseResult MenuPopup::mouse(DrawContext& context, Point where) {
    int level = 0;
    int index = -1;
    if (!entryAt(where, level, index)) {
        finish(context, nullptr, -1);  // a click outside closes without a choice
        return kMouseDone;
    }
    if (index < 0) return kMouseDone;
    // An entry is chosen when the button comes up on it; a sub-menu opens at once.
    if (levels[level].menu->getSubMenu(index)) {
        levels[level].highlighted = index;
        openSubMenu(context, level, index);
    }
    return kMouseDone;
}

void MenuPopup::mouseUp(DrawContext& context, Point where) {
    int level = 0;
    int index = -1;
    if (!entryAt(where, level, index) || index < 0) return;
    OptionMenu* menu = levels[level].menu;
    if (menu->getSubMenu(index)) return;
    // The release that follows the press on the menu button lands outside
    // the entries; any release on an entry chooses it.
    finish(context, menu, index);
}

void MenuPopup::mouseMoved(DrawContext& context, Point where) {
    int level = 0;
    int index = -1;
    if (!entryAt(where, level, index) || index < 0) return;
    if (levels[level].highlighted == index && levelCount() > level + 1) return;
    levels[level].highlighted = index;
    if (levels[level].menu->getSubMenu(index))
        openSubMenu(context, level, index);
    else
        closeLevelsAbove(level);
    invalidateBoxes();
}

bool MenuPopup::onKeyDown(DrawContext& context, KeyStroke& key) {
    Level& level = levels.back();
    const int count = level.menu->getNbEntries();
    const int deepest = levelCount() - 1;
    switch (key.virt) {
        case kVKeyEscape: finish(context, nullptr, -1); return true;
        case kVKeyUp:
        case kVKeyDown: {
            const int step = key.virt == kVKeyDown ? 1 : count - 1;
            level.highlighted = level.highlighted < 0 ? 0 : (level.highlighted + step) % count;
            invalidateBoxes();
            return true;
        }
        case kVKeyLeft:
            if (deepest > 0) closeLevelsAbove(deepest - 1);
            return true;
        case kVKeyRight:
        case kVKeyReturn:
        case kVKeyEnter: {
            const int index = level.highlighted;
            if (index < 0 || index >= count) return true;
            if (level.menu->getSubMenu(index)) {
                openSubMenu(context, deepest, index);
                if (levelCount() > deepest + 1) levels.back().highlighted = 0;
            } else if (key.virt != kVKeyRight) {
                finish(context, level.menu, index);
            }
            return true;
        }
        default: return false;
    }
}

void MenuPopup::draw(DrawContext& context) {
    for (const Level& level : levels) drawLevel(context, level);
    setDirty(false);
}

void MenuPopup::drawLevel(DrawContext& context, const Level& level) {
    OptionMenu* menu = level.menu;
    context.setFillColor(kMenuBack);
    context.fillRect(level.box);
    context.setFrameColor(kBorderColor);
    context.drawRect(level.box);
    context.pushClip(level.box);
    context.setFont(menu->getFont());
    const bool checks = (menu->getStyle() & kCheckStyle) != 0;
    for (int i = 0; i < menu->getNbEntries(); ++i) {
        const Rect row = entryRect(static_cast<int>(&level - levels.data()), i);
        if (row.top >= level.box.bottom) break;
        const bool highlighted = i == level.highlighted;
        const Color ink = highlighted ? kWhiteColor : kMenuText;
        if (highlighted) {
            context.setFillColor(kHighlightBack);
            context.fillRect(row);
        }
        context.setFontColor(ink);
        context.setFrameColor(ink);
        context.drawString(menu->getEntry(i),
                           {row.left + kCheckColumn, row.top, row.right - kArrowColumn, row.bottom},
                           false, kLeftText);
        const int middle = (row.top + row.bottom) / 2;
        if (checks && i == menu->getCurrentIndex()) {
            // A small tick in the left column.
            context.drawLine({row.left + 3, middle}, {row.left + 6, middle + 3});
            context.drawLine({row.left + 5, middle + 3}, {row.left + 11, middle - 3});
        }
        if (menu->getSubMenu(i)) {
            // A right-pointing triangle in the right column.
            for (int d = 0; d < 4; ++d)
                context.drawLine({row.right - 9 + d, middle - 3 + d}, {row.right - 9 + d, middle + 4 - d});
        }
    }
    context.popClip();
}
