#include "editor/LoopScope.h"

#include <algorithm>
#include <cstring>

#include "common/Truncate.h"
#include "widgets/MouseButtons.h"

namespace {

constexpr Color kLevelColour{118, 57, 48, 255};
constexpr Color kTextColour{163, 217, 220, 255};
constexpr int kBorder = 2;  // pixels of frame around the drawn levels

}  // namespace

LoopScope::LoopScope(const Rect& r, ControlListener* listener, int tag, Bitmap* bitmap,
                     Point offset)
    : Control(r, listener, tag, bitmap), width(r.width()), imageHeight(r.height() / 2) {
    backOffset = offset;
}

void LoopScope::attached(EditorFrame* frame) {
    offscreen = std::make_unique<OffscreenImage>(width, imageHeight, kBlackColor);
    Control::attached(frame);
}

void LoopScope::removed() {
    offscreen.reset();  // the picture exists only while the scope is shown
    Control::removed();
}

void LoopScope::setSample(float position, float level) {
    samplePos = position;
    const int index = truncInt(kLevelCount * position - 1.0f);
    if (index >= 0 && index < kLevelCount) levels[index] = level;
}

void LoopScope::clearSamples() { levels.fill(0.0f); }

void LoopScope::setScopeText(const char* newText) {
    textFont = 1;
    std::strncpy(text.data(), newText ? newText : "", text.size() - 1);
    text.back() = '\0';
    setDirty();
}

int LoopScope::cursorColumn() const {
    const int innerWidth = width - 2 * kBorder;
    // Zoomed in, the cursor's own entry is drawn in the middle column.
    return (zoomedOut != 0 ? static_cast<int>(innerWidth * cursor) : innerWidth / 2) + kBorder;
}

void LoopScope::drawLevels(DrawContext& picture) {
    const int innerWidth = width - 2 * kBorder;
    const int halfHeight = (imageHeight - 2 * kBorder) / 2;
    const int halfWidth = innerWidth / 2;
    picture.setFrameColor(kLevelColour);
    for (int i = 0; i < innerWidth; ++i) {
        const int index = zoomedOut != 0 ? static_cast<int>(i * zoomScale)
                                         : static_cast<int>(kLevelCount * cursor) - halfWidth + i;
        if (index < 0 || index >= kLevelCount) continue;
        levels[index] = std::min(levels[index], 1.0f);  // a clipped level stays at full height
        // Below silence, or no number at all, there is nothing to draw.
        const int y = levels[index] > 0.0f ? static_cast<int>(halfHeight * levels[index]) : 0;
        // Bars grow both ways from the middle of the frame's inside.
        const int middle = kBorder + halfHeight;
        picture.drawLine({i + kBorder, middle - y}, {i + kBorder, middle + y});
    }
}

void LoopScope::draw(DrawContext& context) {
    if (!offscreen) offscreen = std::make_unique<OffscreenImage>(width, imageHeight, kBlackColor);
    DrawContext& picture = offscreen->context();
    const Rect whole{0, 0, width, imageHeight};
    if (background) {
        // The whole view is the upper image, the zoomed one the lower.
        const Point source{backOffset.h, backOffset.v + (zoomedOut != 0 ? 0 : imageHeight)};
        if (transparent)
            background->drawTransparent(picture, whole, source);
        else
            background->draw(picture, whole, source);
    }
    drawLevels(picture);
    const int column = cursorColumn();
    if (column <= width) {
        picture.setFrameColor(kRedColor);
        picture.drawLine({column, kBorder}, {column, imageHeight - kBorder - 1});
    }
    picture.setFont(textFont);
    picture.setFontColor(kTextColour);
    picture.drawString(text.data(), whole, false, kCenterText);
    offscreen->copyTo(context, {size.left, size.top, size.right, size.top + imageHeight});
    setDirty(false);
}

MouseResult LoopScope::mouse(DrawContext& context, Point /*where*/) {
    // A click only changes the view; the listener never hears of it.
    if (mouseEnabled && !(context.getMouseButtons() & kRButton)) {
        zoomedOut = zoomedOut != 0 ? 0 : 1;
        setDirty();
    }
    return kMouseDone;
}
