#include "widgets/AEffGUIEditor.h"

#include <atomic>
#include <chrono>

#include "plugin/AudioEffectX.h"
#include "widgets/EditorFrame.h"
#include "widgets/x11/X11Window.h"

namespace {

constexpr uint32_t kHostIdleInterval = 100;  // ms between host idle calls during a drag

// The host sets it for all of its plug-ins at once.
std::atomic<int> knobMode{0};

}  // namespace

AEffGUIEditor::AEffGUIEditor(AudioEffectX* effect)
    : AEffEditor(effect), effectX(effect), lastTicks(currentTicks()),
      windowFactory(createX11Window) {
    if (effect) effect->setEditor(this);
}

AEffGUIEditor::~AEffGUIEditor() {
    closeWhenIdleEnds = false;
    busy = false;
    destroyFrame();
}

uint32_t AEffGUIEditor::currentTicks() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool AEffGUIEditor::getRect(ERect** out) {
    *out = &rect;
    return true;
}

bool AEffGUIEditor::open(void* window) {
    postUpdate();
    systemWindow = window;
    return true;
}

void AEffGUIEditor::close() {
    destroyFrame();
    systemWindow = nullptr;
}

void AEffGUIEditor::destroyFrame() {
    if (busy) {
        // The host closed us from inside one of our own calls to it; the
        // frame is still handling that event.
        closeWhenIdleEnds = true;
        return;
    }
    delete frame;
    frame = nullptr;
}

bool AEffGUIEditor::beginFrameCall() {
    if (!frame || busy || inIdleStuff) return false;
    busy = true;
    return true;
}

void AEffGUIEditor::endFrameCall() {
    busy = false;
    if (closeWhenIdleEnds) {
        closeWhenIdleEnds = false;
        close();
    }
}

void AEffGUIEditor::idle() {
    if (!beginFrameCall()) return;
    frame->dispatchEvents();
    if (!closeWhenIdleEnds && updateFlag) {
        updateFlag = 0;
        update();
    }
    if (!closeWhenIdleEnds) frame->idle();
    endFrameCall();
}

bool AEffGUIEditor::onKeyDown(VstKeyCode& key) {
    if (!beginFrameCall()) return false;
    const bool used = frame->onKeyDown(key);
    endFrameCall();
    return used;
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& key) {
    if (!beginFrameCall()) return false;
    const bool used = frame->onKeyUp(key);
    endFrameCall();
    return used;
}

int32_t AEffGUIEditor::onWheel(float distance) {
    if (!frame) return -1;
    if (!beginFrameCall()) return 0;
    const bool used = frame->onWheel(frame->pointerLocation(), distance, frame->pointerButtons());
    endFrameCall();
    return used ? 1 : 0;
}

bool AEffGUIEditor::setKnobMode(VstInt32 mode) {
    knobMode = mode;
    return true;
}

int AEffGUIEditor::getKnobMode() { return knobMode; }

void AEffGUIEditor::doIdleStuff() {
    if (!frame) return;
    frame->idle();
    const uint32_t now = currentTicks();
    if (static_cast<int32_t>(now - lastTicks) < 0) return;
    lastTicks = now + kHostIdleInterval;
    inIdleStuff = true;
    if (effectX) effectX->masterIdle();
    inIdleStuff = false;
}

// Only a parameter's gesture reaches the host: tags beyond the parameters
// belong to the window alone (units toggles, the credits).
bool AEffGUIEditor::isParameter(VstInt32 tag) const {
    return effectX && tag >= 0 && tag < effectX->getAeffect()->numParams;
}

void AEffGUIEditor::beginEdit(VstInt32 tag) {
    if (isParameter(tag)) effectX->beginEdit(tag);
}

void AEffGUIEditor::endEdit(VstInt32 tag) {
    if (isParameter(tag)) effectX->endEdit(tag);
}
