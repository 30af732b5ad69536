#include "widgets/FrameEditor.h"

#include <atomic>
#include <chrono>
#include <new>

#include "widgets/EditorFrame.h"
#include "widgets/x11/X11Window.h"

namespace {

constexpr uint32_t kHostIdleInterval = 100;  // ms between host idle calls during a drag

// The host sets it for all of its plug-ins at once.
std::atomic<int> knobMode{0};

}  // namespace

FrameEditor::FrameEditor(const Rect& size)
    : size(size), lastTicks(currentTicks()), windowFactory(createX11Window) {}

FrameEditor::~FrameEditor() {
    closeWhenIdleEnds = false;
    busy = false;
    destroyFrame();
}

uint32_t FrameEditor::currentTicks() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool FrameEditor::open(ParentWindow parent) {
    if (isBusy()) return false;  // a host reopening us from inside our own call to it
    if (frame) close();          // a second open replaces the first window
    return openFrame(parent);
}

bool FrameEditor::openFrame(ParentWindow parent) {
    postUpdate();
    auto* created = new (std::nothrow) EditorFrame(size, parent, this);
    if (!created || !created->isOpen()) {
        delete created;
        return false;
    }
    frame = created;
    return true;
}

void FrameEditor::close() { destroyFrame(); }

void FrameEditor::destroyFrame() {
    if (busy) {
        // The host closed us from inside one of our own calls to it; the
        // frame is still handling that event.
        closeWhenIdleEnds = true;
        return;
    }
    delete frame;
    frame = nullptr;
}

bool FrameEditor::beginFrameCall() {
    if (!frame || busy || inIdleStuff) return false;
    busy = true;
    return true;
}

void FrameEditor::endFrameCall() {
    busy = false;
    if (closeWhenIdleEnds) {
        closeWhenIdleEnds = false;
        close();
    }
}

void FrameEditor::idle() {
    if (!beginFrameCall()) return;
    frame->dispatchEvents();
    // Taken and cleared at once, so a post arriving meanwhile is never lost.
    if (!closeWhenIdleEnds && updateFlag.exchange(false, std::memory_order_acquire)) update();
    if (!closeWhenIdleEnds) frame->idle();
    endFrameCall();
}

bool FrameEditor::onKeyDown(KeyStroke& key) {
    if (!beginFrameCall()) return false;
    const bool used = frame->onKeyDown(key);
    endFrameCall();
    return used;
}

bool FrameEditor::onKeyUp(KeyStroke& key) {
    if (!beginFrameCall()) return false;
    const bool used = frame->onKeyUp(key);
    endFrameCall();
    return used;
}

int32_t FrameEditor::onWheel(float distance) {
    if (!frame) return -1;
    if (!beginFrameCall()) return 0;
    const bool used = frame->onWheel(frame->pointerLocation(), distance, frame->pointerButtons());
    endFrameCall();
    return used ? 1 : 0;
}

void FrameEditor::setKnobMode(int mode) { knobMode = mode; }

int FrameEditor::getKnobMode() { return knobMode; }

std::uintptr_t FrameEditor::nativeWindow() const {
    const PlatformWindow* window = frame ? frame->platform() : nullptr;
    return window ? window->nativeHandle() : 0;
}

void FrameEditor::doIdleStuff() {
    if (!frame) return;
    frame->idle();
    const uint32_t now = currentTicks();
    if (static_cast<int32_t>(now - lastTicks) < 0) return;
    lastTicks = now + kHostIdleInterval;
    inIdleStuff = true;
    hostIdle();
    inIdleStuff = false;
}
