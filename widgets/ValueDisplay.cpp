#include "widgets/ValueDisplay.h"

#include <cstdio>

ValueDisplay::ValueDisplay(const Rect& r, Bitmap* bitmap, int style)
    : Control(r, nullptr, -1, bitmap), style(style) {}

void ValueDisplay::setStringConvert(StringConvert convert, void* userData) {
    stringConvert = convert;
    convertData = userData;
    setDirty();
}

void ValueDisplay::getDisplayText(char* text) const {
    text[0] = 0;
    if (stringConvert)
        stringConvert(value, text, convertData);
    else
        std::snprintf(text, kTextSize, "%2.2f", value);
    text[kTextSize - 1] = 0;
}

void ValueDisplay::draw(DrawContext& context) {
    if (!(style & kNoDrawStyle)) {
        drawBackground(context, background);
        char text[kTextSize];
        getDisplayText(text);
        drawText(context, text);
    }
    setDirty(false);
}

void ValueDisplay::drawBackground(DrawContext& context, Bitmap* bitmap) {
    if (bitmap) {
        if (transparent)
            bitmap->drawTransparent(context, size, backOffset);
        else
            bitmap->draw(context, size, backOffset);
    } else if (!transparent) {
        context.setFillColor(backColor);
        context.fillRect(size);
    }
}

void ValueDisplay::drawFrame(DrawContext& context) {
    if (!(style & k3DFrame)) return;
    const Point topLeft{size.left, size.top};
    const Point topRight{size.right - 1, size.top};
    const Point bottomLeft{size.left, size.bottom - 1};
    const Point bottomRight{size.right - 1, size.bottom - 1};
    context.setFrameColor(frameColor);
    context.drawLine(bottomLeft, topLeft);
    context.drawLine(topLeft, topRight);
    context.setFrameColor(shadowColor);
    context.drawLine(topRight, bottomRight);
    context.drawLine(bottomRight, bottomLeft);
}

void ValueDisplay::drawText(DrawContext& context, const char* text) {
    if (!textTransparency) {
        context.setFillColor(backColor);
        context.fillRect(size);
    }
    drawFrame(context);
    if (style & kNoTextStyle) return;
    const auto align = static_cast<HoriAlign>(horiAlign);
    context.setFont(font);
    if (style & kShadowText) {
        context.setFontColor(shadowColor);
        context.drawString(text, size.offset(1, 1), false, align);
    }
    context.setFontColor(fontColor);
    context.drawString(text, size, false, align);
}
