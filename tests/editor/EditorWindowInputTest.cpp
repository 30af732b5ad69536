// The editor window used as a person uses it: real pointer and key events,
// sent with XTest, reach the controls, the plug-in and the host; and the
// window shows, pixel for pixel, what the same editor draws headless.
#include "tests/editor/EditorWindowFixture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cairo.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "editor/StutterEditor.h"
#include "params/ParameterIds.h"
#include "plugin/StutterEffectEdit.h"
#include "widgets/EditorFrame.h"
#include "widgets/MenuPopup.h"
#include "widgets/MouseButtons.h"
#include "widgets/headless/HeadlessWindow.h"

namespace {

constexpr Rect kWholeWindow{0, 0, StutterEditor::kWidth, StutterEditor::kHeight};

AEffect* createHere(audioMasterCallback audioMaster) {
    return (new StutterEffectEdit(audioMaster))->getAeffect();
}

// The same plug-in built into the test program, its editor drawing into a
// picture only: what the X11 window has to show for the same state.
struct HeadlessTwin {
    TestHost host;
    AEffect* effect = host.instantiate(createHere);

    HeadlessTwin() {
        editor()->setWindowFactory(createHeadlessWindow);
        effect->dispatcher(effect, effEditOpen, 0, 0, this, 0.0f);
        idle();
    }
    ~HeadlessTwin() { effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f); }
    StutterEditor* editor() {
        return static_cast<StutterEditor*>(static_cast<StutterEffectEdit*>(effect->object)->getEditor());
    }
    EditorFrame& frame() { return *editor()->getFrame(); }
    void idle() { effect->dispatcher(effect, effEditIdle, 0, 0, nullptr, 0.0f); }
    void click(Point where, int button) {
        frame().onMouseDown(where, button);
        frame().onMouseUp(where, 0);
        idle();
    }
};

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using Screenshot = std::unique_ptr<XImage, ImageDeleter>;
using PixelSource = std::function<uint32_t(int x, int y)>;

PixelSource pixelsOf(XImage* image) {
    return [image](int x, int y) { return static_cast<uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF); };
}

PixelSource pixelsOf(cairo_surface_t* picture) {
    cairo_surface_flush(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    return [data, stride](int x, int y) {
        return reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF;
    };
}

// Pixels of `area` where a channel of the two differs by more than `tolerance`.
int differingPixels(const PixelSource& a, const PixelSource& b, const Rect& area, int tolerance) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const uint32_t p = a(x, y);
            const uint32_t q = b(x, y);
            for (int shift : {0, 8, 16})
                if (std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF)) >
                    tolerance) {
                    ++count;
                    break;
                }
        }
    return count;
}

Point middleOf(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

struct EditorWindowInput : EditorWindow {
    Window window = 0;  // the editor's, inside the host's

    void SetUp() override {
        EditorWindow::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_EQ(open(), 1);
        const std::vector<Window> children = session.childrenOf(session.hostWindow);
        ASSERT_EQ(children.size(), 1u);
        window = children[0];
        idle();
        host.clearCalls();
    }
    void TearDown() override {
        if (plugin) plugin->dispatch(effSetEditKnobMode, 0, 0);  // the mode is the whole library's
    }

    void click(Point where, unsigned int button = Button1) {
        session.movePointer(where.h, where.v);
        session.button(button, true);
        session.button(button, false);
    }
    // The host calls of an edit of parameter `index`, in order, with their values.
    std::vector<std::pair<VstInt32, float>> edits(VstInt32 index) const {
        std::vector<std::pair<VstInt32, float>> found;
        for (const HostCall& call : host.calls())
            if (call.index == index &&
                (call.opcode == audioMasterBeginEdit || call.opcode == audioMasterAutomate ||
                 call.opcode == audioMasterEndEdit))
                found.emplace_back(call.opcode, call.opcode == audioMasterAutomate ? call.opt : 0.0f);
        return found;
    }
    Screenshot screenshot() {
        return Screenshot(XGetImage(session.display, window, 0, 0, kWholeWindow.width(),
                                    kWholeWindow.height(), AllPlanes, ZPixmap));
    }
    // Idles until the window shows the twin's picture (the drawing reaches
    // the server on the plug-in's own connection); the pixels that still differ.
    int differenceFrom(HeadlessTwin& twin) {
        int different = -1;
        idleUntil([&] {
            Screenshot shown = screenshot();
            different = shown ? differingPixels(pixelsOf(shown.get()), pixelsOf(twin.frame().picture()),
                                                kWholeWindow, 2)
                              : -1;
            return different == 0;
        }, 50);
        return different;
    }
};

TEST_F(EditorWindowInput, ShowsThePanelAndAMenusPopUpAsTheHeadlessEditorDrawsThem) {
    HeadlessTwin twin;  // the same program, parameters and host time; no audio, so no scope trace
    EXPECT_EQ(differenceFrom(twin), 0) << "pixels differ from the headless picture";
    Screenshot panel = screenshot();
    ASSERT_TRUE(panel);

    // A right click on an option menu opens its pop-up (on a knob it would arm learning).
    const Point recSyncMenu{40, 343};
    click(recSyncMenu, Button3);
    twin.click(recSyncMenu, kRButton);
    auto* popup = dynamic_cast<MenuPopup*>(twin.frame().getModalView());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(differenceFrom(twin), 0) << "pixels differ from the headless picture with the pop-up";
    const Rect box = popup->levelBox(0);
    Screenshot withPopup = screenshot();
    ASSERT_TRUE(withPopup);
    EXPECT_GT(differingPixels(pixelsOf(panel.get()), pixelsOf(withPopup.get()), box, 0),
              box.width() * box.height() / 2);
    EXPECT_TRUE(edits(kRecSync).empty());

    // Choosing "1/4" sends the menu's normalised value; both windows then show the choice.
    const Point quarter = middleOf(popup->entryRect(0, 3));
    click(quarter);
    twin.click(quarter, kLButton);
    ASSERT_TRUE(idleUntil([&] { return !edits(kRecSync).empty(); }));
    EXPECT_EQ(edits(kRecSync), (std::vector<std::pair<VstInt32, float>>{{audioMasterAutomate, 0.3f}}));
    EXPECT_EQ(differenceFrom(twin), 0) << "pixels differ from the headless picture after the choice";
}

TEST_F(EditorWindowInput, ButtonsPressedWithThePointerReachThePluginAndTheHost) {
    plugin->set(kRecord, 0.0f);
    click({373, 154});  // Record
    ASSERT_TRUE(idleUntil([&] { return plugin->get(kRecord) == 1.0f; }));
    // A switch is flipped in one step, as one edit gesture: hosts in touch
    // automation write only between its begin and end.
    EXPECT_EQ(edits(kRecord), (std::vector<std::pair<VstInt32, float>>{{audioMasterBeginEdit, 0.0f},
                                                                     {audioMasterAutomate, 1.0f},
                                                                     {audioMasterEndEdit, 0.0f}}));

    // A kick button is held down: the host sees the press and the release as one edit.
    click({373, 180});  // Rewind
    ASSERT_TRUE(idleUntil([&] { return edits(kRewind).size() >= 4; }));
    EXPECT_EQ(edits(kRewind), (std::vector<std::pair<VstInt32, float>>{{audioMasterBeginEdit, 0.0f},
                                                                     {audioMasterAutomate, 1.0f},
                                                                     {audioMasterAutomate, 0.0f},
                                                                     {audioMasterEndEdit, 0.0f}}));
}

TEST_F(EditorWindowInput, AKnobDraggedWithThePointerReachesTheHostAsOneEdit) {
    plugin->set(kGate, 0.5f);
    idle();
    ASSERT_EQ(plugin->dispatch(effSetEditKnobMode, 0, 2), 1);  // linear drags, as a host may set
    session.movePointer(20, 231);
    session.button(Button1, true);
    ASSERT_TRUE(idleUntil([&] { return !edits(kGate).empty(); }));
    session.movePointer(20, 211);  // 20 pixels up: a tenth of the 200-pixel range
    ASSERT_TRUE(idleUntil([&] { return plugin->get(kGate) > 0.55f; }));
    session.button(Button1, false);
    ASSERT_TRUE(idleUntil([&] { return edits(kGate).back().first == audioMasterEndEdit; }));

    EXPECT_NEAR(plugin->get(kGate), 0.6f, 1e-5);
    const auto calls = edits(kGate);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().first, audioMasterBeginEdit);
    for (size_t i = 1; i + 1 < calls.size(); ++i) EXPECT_EQ(calls[i].first, audioMasterAutomate);
    EXPECT_FLOAT_EQ(calls[calls.size() - 2].second, plugin->get(kGate));  // the last value sent
}

TEST_F(EditorWindowInput, TheTempoFieldTakesTypedKeysAndReturnSendsTheTempo) {
    click({314, 80});  // the tempo field takes the keyboard when clicked
    ASSERT_TRUE(idleUntil([&] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(session.display, &focus, &revert);
        return focus == window;
    }));
    session.typeText("140");
    session.key(XK_Return, true);
    session.key(XK_Return, false);
    ASSERT_TRUE(idleUntil([&] { return !edits(kCmdTempoLength).empty(); }));
    EXPECT_EQ(edits(kCmdTempoLength),
              (std::vector<std::pair<VstInt32, float>>{{audioMasterAutomate, 140.0f}}));
}

}  // namespace
