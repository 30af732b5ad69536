// A control that shows its value as text over a bitmap or a plain back
// colour. The text comes from a StringConvert function when one is set,
// else "%2.2f"; the function gets the display's own user data, so each
// editor formats with its own context.
#pragma once

#include "widgets/Control.h"

// Writes the text of `value` into `text` (room for 256 characters).
using StringConvert = void (*)(float value, char* text, void* userData);

enum DisplayStyle : int {
    kShadowText = 0x4,       // the text has a shadow, one pixel down and right
    k3DFrame = 0x80,         // upper and left edges in the frame colour, the others in the shadow colour
    kPopupAtTop = 0x200,     // menus: the pop-up opens at the upper-left corner
    kCheckStyle = 0x400,     // menus: the current entry is checked in the pop-up
    kNoTextStyle = 0x800,    // no text at all
    kNoDrawStyle = 0x1000,   // nothing is drawn
};

class ValueDisplay : public Control {
public:
    static constexpr int kTextSize = 256;

    ValueDisplay(const Rect& size, Bitmap* background = nullptr, int style = 0);

    void draw(DrawContext& context) override;

    void setFont(int index) { font = index; setDirty(); }
    int getFont() const { return font; }
    void setFontColor(Color color) { fontColor = color; setDirty(); }
    Color getFontColor() const { return fontColor; }
    void setBackColor(Color color) { backColor = color; setDirty(); }
    Color getBackColor() const { return backColor; }
    void setFrameColor(Color color) { frameColor = color; setDirty(); }
    void setShadowColor(Color color) { shadowColor = color; setDirty(); }
    void setHoriAlign(int align) { horiAlign = align; setDirty(); }
    void setStringConvert(StringConvert convert, void* userData = nullptr);
    // On (the default): the text is drawn without filling its background.
    void setTextTransparency(bool state) { textTransparency = state; setDirty(); }
    void setStyle(int newStyle) { style = newStyle; setDirty(); }
    int getStyle() const { return style; }

    // The text shown now.
    virtual void getDisplayText(char* text) const;

protected:
    void drawBackground(DrawContext& context, Bitmap* bitmap);
    void drawFrame(DrawContext& context);
    void drawText(DrawContext& context, const char* text);

    int font = 3;
    Color fontColor = kWhiteColor;
    Color backColor = kBlackColor;
    Color frameColor = kBlackColor;
    Color shadowColor = kRedColor;
    int horiAlign = kCenterText;
    StringConvert stringConvert = nullptr;
    void* convertData = nullptr;
    bool textTransparency = true;
    int style;
};
