// The editing state of a one-line text field: the text, the caret and the
// selection (between the anchor and the caret), with the usual keys' effects.
#pragma once

#include <string>

class LineEditor {
public:
    static constexpr int kMaxLength = 255;

    // Starts editing `text` with all of it selected.
    void start(const std::string& text);
    const std::string& text() const { return value; }
    int caret() const { return caretPos; }
    int selectionStart() const { return anchor < caretPos ? anchor : caretPos; }
    int selectionEnd() const { return anchor < caretPos ? caretPos : anchor; }
    bool hasSelection() const { return anchor != caretPos; }

    // Replaces the selection with `c`; false when the text is full.
    bool insert(char c);
    void backspace();
    void deleteForward();
    // Caret moves; with `extend` the selection grows instead of collapsing.
    void moveLeft(bool extend);
    void moveRight(bool extend);
    void home(bool extend);
    void end(bool extend);
    void setCaret(int position);

private:
    void removeSelection();
    void moveTo(int position, bool extend);

    std::string value;
    int caretPos = 0;
    int anchor = 0;
};
