#include "widgets/LineEditor.h"

void LineEditor::start(const std::string& text) {
    value = text.substr(0, kMaxLength);
    anchor = 0;
    caretPos = static_cast<int>(value.size());
}

void LineEditor::removeSelection() {
    const int from = selectionStart();
    value.erase(from, selectionEnd() - from);
    caretPos = anchor = from;
}

bool LineEditor::insert(char c) {
    if (hasSelection()) removeSelection();
    if (static_cast<int>(value.size()) >= kMaxLength) return false;
    value.insert(value.begin() + caretPos, c);
    anchor = ++caretPos;
    return true;
}

void LineEditor::backspace() {
    if (hasSelection()) {
        removeSelection();
    } else if (caretPos > 0) {
        value.erase(--caretPos, 1);
        anchor = caretPos;
    }
}

void LineEditor::deleteForward() {
    if (hasSelection())
        removeSelection();
    else if (caretPos < static_cast<int>(value.size()))
        value.erase(caretPos, 1);
}

void LineEditor::moveTo(int position, bool extend) {
    const int length = static_cast<int>(value.size());
    caretPos = position < 0 ? 0 : (position > length ? length : position);
    if (!extend) anchor = caretPos;
}

void LineEditor::moveLeft(bool extend) {
    // Without Shift, Left first collapses a selection to its start.
    if (!extend && hasSelection())
        moveTo(selectionStart(), false);
    else
        moveTo(caretPos - 1, extend);
}

void LineEditor::moveRight(bool extend) {
    if (!extend && hasSelection())
        moveTo(selectionEnd(), false);
    else
        moveTo(caretPos + 1, extend);
}

void LineEditor::home(bool extend) { moveTo(0, extend); }

void LineEditor::end(bool extend) { moveTo(static_cast<int>(value.size()), extend); }

void LineEditor::setCaret(int position) { moveTo(position, false); }
