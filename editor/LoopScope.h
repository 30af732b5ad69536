// The picture of the recorded loop: one level per 1/1024 of the loop, the
// play cursor in red and a line of text over it. A click switches between
// the whole loop and the 96 levels around the cursor; the background bitmap
// holds the two frames, the whole view above the zoomed one.
#pragma once

#include <array>
#include <memory>

#include "widgets/Control.h"
#include "widgets/OffscreenImage.h"

class LoopScope : public Control {
public:
    static constexpr int kLevelCount = 1024;

    LoopScope(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
              Point offset = {});

    void draw(DrawContext& context) override;
    MouseResult mouse(DrawContext& context, Point where) override;
    void attached(EditorFrame* frame) override;
    void removed() override;

    // The setters store their value; the editor marks the scope dirty when it
    // wants it drawn again.
    virtual void setSample(float position, float level);
    virtual void setRecordMark(float mark) { recordMark = mark; }
    virtual void setCursor(float position) { cursor = position; }
    virtual float getRecordMark() const { return recordMark; }
    virtual float getCursor() const { return cursor; }
    virtual void clearSamples();
    virtual float getSamplePos() const { return samplePos; }
    // Sets the text line and marks the scope dirty.
    virtual void setScopeText(const char* text);

    float level(int index) const { return levels[index]; }
    const char* getScopeText() const { return text.data(); }
    bool isZoomedOut() const { return zoomedOut != 0; }
    // The column of the red cursor line, relative to the scope.
    int cursorColumn() const;

private:
    void drawLevels(DrawContext& picture);

    float recordMark = 0.0f;
    float samplePos = 0.0f;
    float cursor = 0.0f;
    float zoomScale = kLevelCount / 100.0f;
    int zoomedOut = 1;
    std::array<float, kLevelCount> levels{};
    std::array<char, 128> text{};
    int textFont = 1;
    int width;
    int imageHeight;
    std::unique_ptr<OffscreenImage> offscreen;
};
