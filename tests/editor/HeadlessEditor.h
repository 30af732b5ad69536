// The plug-in built into the test program, its editor on a headless window
// that draws into a picture only: the host's calls are recorded and the
// controls are reached directly.
#pragma once

#include <gtest/gtest.h>

#include <cairo.h>

#include <vector>

#include "editor/LoopScope.h"
#include "editor/RecordButton.h"
#include "editor/StutterEditor.h"
#include "editor/TouchKnob.h"
#include "editor/TouchSlider.h"
#include "params/ParameterIds.h"
#include "plugin/StutterEffectEdit.h"
#include "tests/host/TestHost.h"
#include "widgets/EditorFrame.h"
#include "widgets/MouseButtons.h"
#include "widgets/OptionMenu.h"
#include "widgets/StripKnob.h"
#include "widgets/headless/HeadlessWindow.h"

inline AEffect* createHere(audioMasterCallback audioMaster) {
    return (new StutterEffectEdit(audioMaster))->getAeffect();
}

struct HeadlessEditor {
    explicit HeadlessEditor(TestHost& host) : effect(host.instantiate(createHere)) {
        editor()->setWindowFactory(createHeadlessWindow);
    }
    ~HeadlessEditor() { dispatch(effClose); }
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f) {
        return effect->dispatcher(effect, opcode, index, value, ptr, opt);
    }
    bool open() { return dispatch(effEditOpen, 0, 0, this) == 1; }
    void idle() { dispatch(effEditIdle); }
    StutterEffectEdit* instance() const { return static_cast<StutterEffectEdit*>(effect->object); }
    StutterEditor* editor() const { return instance()->stutterEditor(); }
    // A change the plug-in reports by itself, as the engine does.
    void report(VstInt32 index, float value) const { instance()->updateEditorParameter(index, value); }
    EditorFrame& frame() const { return *editor()->getFrame(); }
    const EditorControls& controls() const { return editor()->getControls(); }
    void set(VstInt32 index, float value) const { effect->setParameter(effect, index, value); }
    float p(VstInt32 index) const { return effect->getParameter(effect, index); }
    void click(Point where, int buttons = kLButton) {
        frame().onMouseDown(where, buttons);
        frame().onMouseUp(where, 0);
        idle();
    }

    AEffect* effect;
};

// The editor opened and painted once, the host's calls until then forgotten.
struct OpenEditor : ::testing::Test {
    TestHost host;
    HeadlessEditor plugin{host};

    void SetUp() override {
        ASSERT_TRUE(plugin.open());
        plugin.idle();
        host.clearCalls();
    }
    std::vector<HostCall> automation() const { return host.callsOf(audioMasterAutomate); }
};

inline Point middleOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A pixel of a bitmap as the library holds it.
inline Color bitmapColorAt(int resourceId, Point where) {
    auto* bitmap = new Bitmap(resourceId);
    cairo_surface_t* image = bitmap->surface();
    cairo_surface_flush(image);
    const auto* row = cairo_image_surface_get_data(image) + where.v * cairo_image_surface_get_stride(image);
    const uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[where.h];
    bitmap->forget();
    return Color{static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                 static_cast<uint8_t>(pixel), 255};
}
