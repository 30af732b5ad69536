#include "tests/widgets/KitHarness.h"

#include <cairo.h>

#include "widgets/VirtualKeys.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

KitHarness* current = nullptr;

VstIntPtr recordHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    if (current) current->calls.push_back(opcode);
    return opcode == audioMasterVersion ? 2400 : 0;
}

// An editor whose window is made at once, without a host window.
class HarnessEditor : public AEffGUIEditor {
public:
    using AEffGUIEditor::AEffGUIEditor;
    bool open(void* window) override {
        AEffGUIEditor::open(window);
        frame = new EditorFrame({0, 0, 400, 400}, window, this);
        if (frame->isOpen()) return true;
        delete frame;
        frame = nullptr;
        return false;
    }
};

}  // namespace

// 64 parameters: every tag the tests give their controls is a parameter,
// whose gestures reach the host.
KitHarness::KitHarness(PlatformWindowFactory factory, void* parent)
    : effect(std::make_unique<AudioEffectX>(recordHostCall, 1, 64)),
      editor(new HarnessEditor(effect.get())) {
    current = this;
    editor->setWindowFactory(factory ? factory : createHeadlessWindow);
    editor->open(parent);
}

KitHarness::~KitHarness() {
    editor->close();
    effect.reset();
    current = nullptr;
}

bool KitHarness::key(unsigned char virt, int character, unsigned char modifier) {
    VstKeyCode code{character, virt, modifier};
    return frame().onKeyDown(code);
}

void KitHarness::type(const char* text) {
    for (const char* c = text; *c; ++c) key(0, static_cast<unsigned char>(*c));
}

std::vector<VstInt32> KitHarness::editOpcodes() const {
    std::vector<VstInt32> opcodes;
    for (VstInt32 opcode : calls)
        if (opcode == audioMasterBeginEdit || opcode == audioMasterEndEdit) opcodes.push_back(opcode);
    return opcodes;
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
