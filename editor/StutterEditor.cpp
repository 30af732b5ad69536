#include "editor/StutterEditor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "params/ParameterIds.h"
#include "common/Truncate.h"
#include "plugin/AudioEffectX.h"
#include "widgets/Bitmap.h"
#include "widgets/Control.h"
#include "widgets/EditorFrame.h"
#include "widgets/TextEntry.h"

namespace {

// A tempo or sample rate from the host counts when it is positive (NaN is
// not), brought into the range the engine works with: at least 1, at most
// what a 32-bit count holds. So the tempo that tempoFromLoop halves and the
// bar length of the displays are always finite.
constexpr double kLeastHostValue = 1.0;
constexpr double kGreatestHostValue = 2147483647.0;

float hostValue(double v) { return static_cast<float>(std::clamp(v, kLeastHostValue, kGreatestHostValue)); }

// Controls run from 0 to 1; setParameter stores what the host sends, NaN and
// infinities included, so every value is clamped before a control shows it.
float clampToUnit(float v) { return v > 0.0f ? std::min(v, 1.0f) : 0.0f; }

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
    levelReports.drain([](const LevelReport&) {});  // reports for a window that has gone
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
    if (index == kStatusPlayPos)
        levelReports.push({clampToUnit(value), current(kStatusPlayPos), current(kStatusRecordPos),
                           current(kStatusRecordedLength)});
    if (index == kRecord) recordPending = clampToUnit(value);
    postUpdate();
}

float StutterEditor::current(int tag) const { return clampToUnit(stored(tag)); }

float StutterEditor::stored(int tag) const { return effectX ? effectX->getParameter(tag) : 0.0f; }

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
        if (time->tempo > 0.0) display.tempo = hostValue(time->tempo);
        if (time->sampleRate > 0.0) display.sampleRate = hostValue(time->sampleRate);
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
