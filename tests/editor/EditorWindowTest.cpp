// The editor window as a Linux host opens it: the built plug-in loaded with
// dlopen, a host window on a private X server, only the dispatcher's editor
// opcodes, and real pointer and key events sent with XTest. The window must
// show, pixel for pixel, what the same editor built into the test program
// draws headless. Waits are bounded loops of round trips, never sleeps.
// The headless editor first: Xlib defines macros (None, Bool) that clash with
// the names in gtest and the kit.
#include "tests/editor/HeadlessEditor.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "tests/widgets/WindowTraces.h"
#include "tests/widgets/X11Session.h"
#include "widgets/MenuPopup.h"

namespace {

constexpr Rect kWholeWindow{0, 0, StutterEditor::kWidth, StutterEditor::kHeight};

// A picture of the whole window as 0xRRGGBB values, row by row.
using Pixels = std::vector<uint32_t>;

Pixels pixelsOf(cairo_surface_t* picture) {
    cairo_surface_flush(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture);
    const int stride = cairo_image_surface_get_stride(picture);
    Pixels pixels;
    for (int y = 0; y < kWholeWindow.height(); ++y)
        for (int x = 0; x < kWholeWindow.width(); ++x)
            pixels.push_back(reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF);
    return pixels;
}

// Pixels where a channel of the two differs by more than 2.
int differingPixels(const Pixels& a, const Pixels& b) {
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16})
            if (std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF)) > 2) {
                ++count;
                break;
            }
    return count;
}

struct EditorWindow : ::testing::Test {
    X11Session session;
    TestHost host;
    std::unique_ptr<PluginInstance> plugin;

    void SetUp() override {
        ASSERT_TRUE(session.ready());
        plugin = std::make_unique<PluginInstance>(host);
    }
    VstIntPtr open() {
        return plugin->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(static_cast<uintptr_t>(session.hostWindow)));
    }
    void idle() {
        session.flush();
        plugin->dispatch(effEditIdle);
    }
    // Idles the editor, as a host does, until `done` holds; false if it never does.
    bool idleUntil(const std::function<bool()>& done, int limit = 1000) {
        return session.pumpUntil([&] { plugin->dispatch(effEditIdle); }, done, limit);
    }
    void cycle() {
        ASSERT_EQ(open(), 1);
        idle();
        idle();
        plugin->dispatch(effEditClose);
    }
};

TEST_F(EditorWindow, OpensInsideTheHostWindowAndLeavesNoTraceEvenWhenTheHostDestroysItsWindowFirst) {
    ERect* rect = nullptr;
    ASSERT_EQ(plugin->dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, 400);
    EXPECT_EQ(plugin->dispatch(effEditClose), 0);  // nothing open yet
    const int clients = session.clientCount();

    ASSERT_EQ(open(), 1);
    // Hosts look for the window right after the call, before any idle.
    const std::vector<Window> children = session.childrenOf(session.hostWindow);
    ASSERT_EQ(children.size(), 1u);
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(session.display, children[0], &attributes));
    EXPECT_EQ(attributes.map_state, IsViewable);
    EXPECT_EQ(session.clientCount(), clients + 1);  // a connection of its own
    ASSERT_EQ(open(), 1);  // a second open replaces the first window
    EXPECT_EQ(session.childrenOf(session.hostWindow).size(), 1u);

    EXPECT_EQ(plugin->dispatch(effEditClose), 0);
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());
    EXPECT_EQ(session.clientCount(), clients);
    EXPECT_EQ(plugin->dispatch(effEditIdle), 0);  // closed: nothing happens

    // A host that destroys its window first: destroyed, then idled (the notice
    // arrives), then closed.
    ASSERT_EQ(open(), 1);
    idle();
    session.destroyHostWindow();
    idle();
    plugin->dispatch(effEditClose);
    // Destroyed and closed at once, the notice still unread.
    session.createHostWindow();
    ASSERT_EQ(open(), 1);
    session.destroyHostWindow();
    plugin->dispatch(effEditClose);
    EXPECT_EQ(session.clientCount(), clients);
    // A window that no longer exists cannot be opened in.
    EXPECT_EQ(plugin->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(uintptr_t{0x3FFFFF})), 0);
    EXPECT_EQ(session.clientCount(), clients);
    session.createHostWindow();
    cycle();  // and the editor still works afterwards
}

TEST_F(EditorWindow, AParentThatIsNoHostWindowIsRefusedAndNoTopLevelWindowAppears) {
    const Window root = DefaultRootWindow(session.display);
    const size_t topLevel = session.childrenOf(root).size();
    // None, the screen itself, and a host window's number with bits above the
    // 32 an X window id has.
    const uintptr_t parents[] = {0, root, uintptr_t{session.hostWindow} | (uintptr_t{1} << 32)};
    for (uintptr_t parent : parents) {
        EXPECT_EQ(plugin->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 0) << parent;
        EXPECT_EQ(session.childrenOf(root).size(), topLevel) << parent;
        EXPECT_TRUE(session.childrenOf(session.hostWindow).empty()) << parent;
        plugin->dispatch(effEditClose);
    }
    cycle();  // a real host window afterwards still works
}

TEST_F(EditorWindow, OpeningAndClosingManyTimesLeaksNeitherMemoryNorXResources) {
    host.recordCalls = false;  // the host's own log of calls would grow
    cycle();  // the first window fills the caches (fonts, pictures) for good
    const WindowTraces before = WindowTraces::before(session);
    constexpr int kCycles = 40;
    for (int i = 0; i < kCycles; ++i) cycle();
    expectNothingLeftBehind(before, WindowTraces::after(session), kCycles);
    EXPECT_TRUE(session.childrenOf(session.hostWindow).empty());
}

using Edits = std::vector<std::pair<VstInt32, float>>;

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
    Edits edits(VstInt32 index) const {
        Edits found;
        for (const HostCall& call : host.calls())
            if (call.index == index &&
                (call.opcode == audioMasterBeginEdit || call.opcode == audioMasterAutomate ||
                 call.opcode == audioMasterEndEdit))
                found.emplace_back(call.opcode, call.opcode == audioMasterAutomate ? call.opt : 0.0f);
        return found;
    }
    // What the window shows; empty where it cannot be read.
    Pixels screenshot() {
        Pixels pixels;
        if (XImage* image = XGetImage(session.display, window, 0, 0, kWholeWindow.width(),
                                      kWholeWindow.height(), AllPlanes, ZPixmap)) {
            for (int y = 0; y < kWholeWindow.height(); ++y)
                for (int x = 0; x < kWholeWindow.width(); ++x)
                    pixels.push_back(static_cast<uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
            XDestroyImage(image);
        }
        return pixels;
    }
    // Idles until the window shows the headless twin's picture (the drawing
    // reaches the server on the plug-in's own connection); the pixels that still differ.
    int differenceFrom(HeadlessEditor& twin) {
        int different = -1;
        idleUntil([&] {
            const Pixels shown = screenshot();
            different = shown.empty() ? -1 : differingPixels(shown, pixelsOf(twin.frame().picture()));
            return different == 0;
        }, 50);
        return different;
    }
};

TEST_F(EditorWindowInput, ShowsThePanelAndAMenusPopUpAsTheHeadlessEditorDrawsThem) {
    // The same program, parameters and host time; no audio, so no scope trace.
    TestHost twinHost;
    HeadlessEditor twin(twinHost);
    ASSERT_TRUE(twin.open());
    twin.idle();
    EXPECT_EQ(differenceFrom(twin), 0) << "pixels differ from the headless picture";

    // A right click on an option menu opens its pop-up (on a knob it would arm learning).
    const Point recSyncMenu{40, 343};
    click(recSyncMenu, Button3);
    twin.click(recSyncMenu, kRButton);
    auto* popup = dynamic_cast<MenuPopup*>(twin.frame().getModalView());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(differenceFrom(twin), 0) << "pixels differ from the headless picture with the pop-up";
    EXPECT_TRUE(edits(kRecSync).empty());

    // Choosing "1/4" sends the menu's normalised value; both windows then show the choice.
    const Point quarter = middleOf(popup->entryRect(0, 3));
    click(quarter);
    twin.click(quarter, kLButton);
    ASSERT_TRUE(idleUntil([&] { return !edits(kRecSync).empty(); }));
    EXPECT_EQ(edits(kRecSync), (Edits{{audioMasterAutomate, 0.3f}}));
    EXPECT_EQ(differenceFrom(twin), 0) << "pixels differ from the headless picture after the choice";
}

TEST_F(EditorWindowInput, AButtonClickedAndAKnobDraggedWithThePointerReachThePluginAndTheHostAsOneEditEach) {
    plugin->set(kRecord, 0.0f);
    click({373, 154});  // Record: flipped in one step, as one edit gesture
    ASSERT_TRUE(idleUntil([&] { return plugin->get(kRecord) == 1.0f; }));
    EXPECT_EQ(edits(kRecord),
              (Edits{{audioMasterBeginEdit, 0.0f}, {audioMasterAutomate, 1.0f}, {audioMasterEndEdit, 0.0f}}));

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
    EXPECT_EQ(calls.front().first, audioMasterBeginEdit);
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
    EXPECT_EQ(edits(kCmdTempoLength), (Edits{{audioMasterAutomate, 140.0f}}));
}

}  // namespace
