// A text shown like a ValueDisplay that becomes a one-line edit field in
// place when pressed with the left button: the whole text selected, typing,
// Backspace, Delete, the arrows, Home and End, at most 255 characters.
// Return, or the keyboard going elsewhere (a press on another control, the
// window losing it), closes the field and keeps the text, reporting it if it
// changed; Escape closes it and keeps the old text.
#pragma once

#include "widgets/LineEditor.h"
#include "widgets/ValueDisplay.h"

class TextEntry : public ValueDisplay {
public:
    TextEntry(const Rect& size, ControlListener* listener, int tag, const char* text = nullptr,
              Bitmap* background = nullptr, int style = 0);

    void setText(const char* newText);
    const char* getText() const { return text; }
    bool isEditing() const { return editing; }
    const LineEditor& lineEditor() const { return line; }

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    bool onKeyDown(DrawContext& context, KeyStroke& key) override;
    bool onKeyUp(DrawContext& context, KeyStroke& key) override;
    bool wantsFocus() const override { return true; }
    void looseFocus(DrawContext& context) override;
    void removed() override;
    void getDisplayText(char* out) const override;

private:
    void startEditing();
    // Closes the field; `keep` takes its text (and reports a change).
    void stopEditing(DrawContext& context, bool keep);
    bool editKey(const KeyStroke& key);
    void drawField(DrawContext& context);
    int caretFromPoint(DrawContext& context, Point where);
    int fieldFontCap() const { return size.height() - 2; }

    char text[LineEditor::kMaxLength + 1] = {};
    LineEditor line;
    bool editing = false;
    int scroll = 0;  // pixels of text scrolled out at the left
};
