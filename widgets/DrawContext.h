// Drawing onto the panel's picture (or an off-screen image) and asking where
// the mouse is. Everything the controls draw goes through here: colours,
// lines, rectangles, text in the kit's fonts, and bitmap copies (Bitmap).
#pragma once

#include <cairo.h>

#include "widgets/Color.h"
#include "widgets/Geometry.h"

class EditorFrame;

enum HoriAlign : int { kLeftText = 0, kCenterText = 1, kRightText = 2 };

class DrawContext {
public:
    // Draws onto `target`, a cairo image surface; `frame` answers the mouse
    // queries and may be null (an off-screen image alone).
    DrawContext(cairo_surface_t* target, EditorFrame* frame);
    ~DrawContext();
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

    void setFrameColor(Color color) { frameColor = color; }
    void setFillColor(Color color) { fillColor = color; }
    void setFontColor(Color color) { fontColor = color; }
    Color getFrameColor() const { return frameColor; }
    Color getFillColor() const { return fillColor; }
    Color getFontColor() const { return fontColor; }
    // One of the kit's fonts; `maxHeight` (when above 0) caps its size.
    void setFont(int index, int maxHeight = 0);
    int getFont() const { return font; }
    void setLineWidth(int width) { lineWidth = width < 1 ? 1 : width; }

    // Lines in the frame colour; as on most systems, the end point itself is
    // not drawn, so consecutive segments never paint a pixel twice.
    void moveTo(Point p) { pen = p; }
    void lineTo(Point p);
    void drawLine(Point from, Point to);
    // The outline just inside the rectangle, in the frame colour.
    void drawRect(const Rect& r);
    void fillRect(const Rect& r);
    // Text in the current font and font colour, centred vertically in `area`
    // and clipped to it; `opaque` fills the area with the fill colour first.
    // The text is 8-bit (Latin-1).
    void drawString(const char* text, const Rect& area, bool opaque = false,
                    HoriAlign align = kCenterText);
    // The same with the text's left edge at `x`, clipped to `area`.
    void drawStringAt(const char* text, int x, const Rect& area);
    int getStringWidth(const char* text);

    // Limits drawing to `r` (within any outer limit) until the matching pop.
    void pushClip(const Rect& r);
    void popClip();

    // The buttons and modifiers held now (MouseButtons.h) and the pointer's
    // position in frame coordinates, as of the event being handled.
    int getMouseButtons() const;
    Point getMouseLocation() const;
    EditorFrame* getFrame() const { return frame; }

    // Copies a picture of `size` (width, height), from `offset` on, into
    // `destination`: only what both hold.
    void copyPicture(cairo_surface_t* picture, Point size, const Rect& destination, Point offset);

    cairo_t* cairo() { return cr; }
    cairo_surface_t* target() const { return surface; }

private:
    void setSource(Color color);
    void selectFont();

    cairo_surface_t* surface;
    cairo_t* cr;
    EditorFrame* frame;
    Color frameColor = kBlackColor;
    Color fillColor = kWhiteColor;
    Color fontColor = kWhiteColor;
    int font = 0;
    int fontCap = 0;
    int lineWidth = 1;
    Point pen;
};
