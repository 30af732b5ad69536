#include "tests/widgets/KitHarness.h"

#include <cairo.h>

#include "widgets/VirtualKeys.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

// An editor that records the ends of every control's drag.
class HarnessEditor : public FrameEditor {
public:
    explicit HarnessEditor(std::vector<EditCall>& edits) : FrameEditor({0, 0, 400, 400}), edits(edits) {}
    void beginEdit(int) override { edits.push_back(kBeginEdit); }
    void endEdit(int) override { edits.push_back(kEndEdit); }

private:
    std::vector<EditCall>& edits;
};

}  // namespace

KitHarness::KitHarness(PlatformWindowFactory factory, ParentWindow parent)
    : editor(std::make_unique<HarnessEditor>(edits)) {
    editor->setWindowFactory(factory ? factory : createHeadlessWindow);
    editor->open(parent);
}

KitHarness::~KitHarness() { editor->close(); }

bool KitHarness::key(unsigned char virt, int character, unsigned char modifier) {
    KeyStroke stroke{character, virt, modifier};
    return frame().onKeyDown(stroke);
}

void KitHarness::type(const char* text) {
    for (const char* c = text; *c; ++c) key(0, static_cast<unsigned char>(*c));
}

Color colourOfImage(int index) {
    return Color{static_cast<uint8_t>(20 + 10 * index), static_cast<uint8_t>(200 - 7 * index),
                 static_cast<uint8_t>(40 + 3 * index), 255};
}

Bitmap* makeStrip(int width, int imageHeight, int images) {
    auto* bitmap = new Bitmap(width, imageHeight * images);
    cairo_t* cr = cairo_create(bitmap->surface());
    for (int i = 0; i < images; ++i) {
        const Color c = colourOfImage(i);
        cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
        cairo_rectangle(cr, 0, i * imageHeight, width, imageHeight);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    bitmap->changed();
    return bitmap;
}
