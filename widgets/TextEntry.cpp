#include "widgets/TextEntry.h"

#include <cstdio>

#include "widgets/EditorFrame.h"
#include "widgets/MouseButtons.h"
#include "widgets/VirtualKeys.h"

TextEntry::TextEntry(const Rect& r, ControlListener* listener, int tag, const char* initial,
                     Bitmap* bitmap, int style)
    : ValueDisplay(r, bitmap, style) {
    this->listener = listener;
    this->tag = tag;
    setText(initial);
}

void TextEntry::setText(const char* newText) {
    std::snprintf(text, sizeof text, "%s", newText ? newText : "");
    setDirty();
}

void TextEntry::getDisplayText(char* out) const {
    std::snprintf(out, kTextSize, "%s", text);
}

MouseResult TextEntry::mouse(DrawContext& context, Point where) {
    if (!mouseEnabled || !(context.getMouseButtons() & kLButton)) return kMouseDone;
    if (editing)
        line.setCaret(caretFromPoint(context, where));
    else
        startEditing();
    setDirty();
    redrawIfDirty(context);
    return kMouseDone;
}

void TextEntry::startEditing() {
    editing = true;
    line.start(text);
    scroll = 0;
    if (parent) {
        parent->setEditView(this);
        parent->takeKeyboardFocus();
    }
}

void TextEntry::stopEditing(DrawContext& context, bool keep) {
    if (!editing) return;
    editing = false;
    if (parent) {
        parent->releaseKeyboardFocus();
        if (parent->getEditView() == this) parent->setEditView(nullptr);
    }
    setDirty();
    if (keep && line.text() != text) {
        setText(line.text().c_str());
        report(context);
    }
}

void TextEntry::looseFocus(DrawContext& context) { stopEditing(context, true); }

void TextEntry::removed() {
    // The window is closing: whatever was typed is dropped.
    editing = false;
    ValueDisplay::removed();
}

bool TextEntry::editKey(const KeyStroke& key) {
    const bool shift = (key.modifier & kModifierShift) != 0;
    switch (key.virt) {
        case kVKeyBack: line.backspace(); return true;
        case kVKeyDelete: line.deleteForward(); return true;
        case kVKeyLeft: line.moveLeft(shift); return true;
        case kVKeyRight: line.moveRight(shift); return true;
        case kVKeyHome: line.home(shift); return true;
        case kVKeyEnd: line.end(shift); return true;
        case kVKeySpace: line.insert(' '); return true;
        case 0: break;
        default: return false;
    }
    const int c = key.character;
    if (c < 0x20 || c == 0x7F || c > 0xFF) return false;
    line.insert(static_cast<char>(c));
    return true;
}

bool TextEntry::onKeyDown(DrawContext& context, KeyStroke& key) {
    if (!editing) return false;
    if (key.virt == kVKeyReturn || key.virt == kVKeyEnter) {
        stopEditing(context, true);
    } else if (key.virt == kVKeyEscape) {
        stopEditing(context, false);
    } else if (!editKey(key)) {
        return false;
    }
    setDirty();
    redrawIfDirty(context);
    return true;
}

bool TextEntry::onKeyUp(DrawContext& /*context*/, KeyStroke& /*key*/) { return editing; }

void TextEntry::draw(DrawContext& context) {
    if (editing)
        drawField(context);
    else
        ValueDisplay::draw(context);
    setDirty(false);
}

int TextEntry::caretFromPoint(DrawContext& context, Point where) {
    context.setFont(font, fieldFontCap());
    const std::string& typed = line.text();
    const int x = where.h - (size.left + 2) + scroll;
    int previousWidth = 0;
    for (int i = 1; i <= static_cast<int>(typed.size()); ++i) {
        const int width = context.getStringWidth(typed.substr(0, i).c_str());
        if (x < (previousWidth + width) / 2) return i - 1;
        previousWidth = width;
    }
    return static_cast<int>(typed.size());
}

void TextEntry::drawField(DrawContext& context) {
    const Rect inner{size.left + 2, size.top, size.right - 2, size.bottom};
    context.pushClip(size);
    context.setFillColor(backColor);
    context.fillRect(size);
    drawFrame(context);
    context.setFont(font, fieldFontCap());
    const std::string& typed = line.text();
    auto widthTo = [&](int n) { return context.getStringWidth(typed.substr(0, n).c_str()); };
    const int total = widthTo(static_cast<int>(typed.size()));
    const int caretX = widthTo(line.caret());
    int x = inner.left;
    if (total < inner.width()) {
        scroll = 0;
        if (horiAlign == kCenterText) x = inner.left + (inner.width() - total) / 2;
        if (horiAlign == kRightText) x = inner.right - total;
    } else {
        // Keep the caret in view.
        if (caretX - scroll > inner.width() - 1) scroll = caretX - inner.width() + 1;
        if (caretX < scroll) scroll = caretX;
        x = inner.left - scroll;
    }
    context.setFontColor(fontColor);
    context.drawStringAt(typed.c_str(), x, inner);
    if (line.hasSelection()) {
        // The selection is shown inverted: back colour on the font colour.
        const Rect selected{x + widthTo(line.selectionStart()), size.top + 1,
                            x + widthTo(line.selectionEnd()), size.bottom - 1};
        context.setFillColor(fontColor);
        context.fillRect(selected.intersection(inner));
        context.setFontColor(backColor);
        context.drawStringAt(typed.c_str(), x, selected.intersection(inner));
    } else {
        context.setFrameColor(fontColor);
        context.drawLine({x + caretX, size.top + 2}, {x + caretX, size.bottom - 2});
    }
    context.setFont(font);
    context.popClip();
}
