#include "editor/StutterEditor.h"

#include <cmath>
#include <cstdio>
#include <new>

#include "params/ParameterIds.h"
#include "params/Truncate.h"
#include "plugin/AudioEffectX.h"
#include "widgets/Bitmap.h"
#include "widgets/Control.h"
#include "widgets/EditorFrame.h"
#include "widgets/TextEntry.h"

namespace {

// A host value we can compute with: positive and finite.
bool usable(double v) { return v > 0.0 && std::isfinite(v); }

}  // namespace

StutterEditor::StutterEditor(AudioEffectX* effect)
    : AEffGUIEditor(effect), background(new (std::nothrow) Bitmap(kBackgroundBitmap)) {
    // The panel is always 400 x 400, whatever became of its bitmap.
    rect = ERect{0, 0, kHeight, kWidth};
}

StutterEditor::~StutterEditor() {
    close();
    if (background) background->forget();
}

bool StutterEditor::open(void* window) {
    if (isBusy()) return false;  // a host reopening us from inside our own call to it
    if (frame) close();          // a second open replaces the first window
    AEffGUIEditor::open(window);
    auto* created = new (std::nothrow) EditorFrame({0, 0, kWidth, kHeight}, window, this);
    if (!created || !created->isOpen()) {
        delete created;
        systemWindow = nullptr;
        return false;
    }
    frame = created;
    frame->setBackground(background);
    refreshTimeInfo();
    createControls();
    opened = 1;
    return true;
}

void StutterEditor::close() {
    opened = 0;
    AEffGUIEditor::close();
    controls = EditorControls{};
    tempoEntry = nullptr;
}

void StutterEditor::setParameter(VstInt32 index, float value) {
    if (!opened) return;
    changes.mark(index);
    if (index == kStatusPlayPos) level = value;
    if (index == kRecord) recordPending = value;
    postUpdate();
}

void StutterEditor::update() {
    uint64_t changed = changes.takeAll();
    for (int index = 0; changed; ++index, changed >>= 1)
        if (changed & 1) applyChange(index);
}

void StutterEditor::refreshTimeInfo() {
    display.tempo = DisplayContext::kDefaultTempo;
    display.sampleRate = DisplayContext::kDefaultSampleRate;
    if (const VstTimeInfo* time = effectX ? effectX->getTimeInfo(kVstTempoValid) : nullptr) {
        // A host that answers with no tempo (or no rate) keeps the default,
        // so the displays never divide by zero.
        if (usable(time->tempo)) display.tempo = static_cast<float>(time->tempo);
        if (usable(time->sampleRate)) display.sampleRate = static_cast<float>(time->sampleRate);
    }
    display.samplesPerBar = display.sampleRate * 240.0f / display.tempo;
}

float StutterEditor::tempoFromLoop(float lengthValue, float offsetValue) const {
    const int32_t length = rangeMapper.lengthFromNormal(lengthValue);
    const int32_t offset = truncInt(rangeMapper.offsetFromNormal(offsetValue));
    const int32_t span = length - offset;
    if (span < 1) return 0.0f;
    float tempo = display.sampleRate * 240.0f / static_cast<float>(span);
    while (tempo > 240.0f) tempo *= 0.5f;
    return tempo;
}

void StutterEditor::refreshTempoText() {
    if (!tempoEntry || !effectX) return;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f",
                  tempoFromLoop(effectX->getParameter(kLength), effectX->getParameter(kOffset)));
    tempoEntry->setText(text);
}
