#include "editor/StutterEditor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>

#include "params/ParameterIds.h"
#include "common/Truncate.h"
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

// The panel is always 400 x 400, whatever becomes of its bitmap.
StutterEditor::StutterEditor(EditorHost& host) : FrameEditor({0, 0, kWidth, kHeight}), host(host) {}

StutterEditor::~StutterEditor() {
    close();
    if (background) background->forget();
}

bool StutterEditor::open(ParentWindow parent) {
    if (!FrameEditor::open(parent)) return false;
    if (!background) background = new (std::nothrow) Bitmap(kBackgroundBitmap);
    frame->setBackground(background);
    refreshTimeInfo();
    createControls();
    levelReports.drain([](const LevelReport&) {});  // reports for a window that has gone
    opened = 1;
    return true;
}

void StutterEditor::close() {
    opened = 0;
    FrameEditor::close();
    controls = EditorControls{};
    tempoEntry = nullptr;
}

void StutterEditor::setParameter(int index, float value) {
    if (!opened) return;
    changes.mark(index);
    if (index == kRecord) recordPending = clampToUnit(value);
    postUpdate();
}

void StutterEditor::reportLevel(const LevelReport& report) {
    if (!opened) return;
    levelReports.push({clampToUnit(report.level), clampToUnit(report.playPos),
                       clampToUnit(report.recordPos), clampToUnit(report.recordedLength)});
    changes.mark(kStatusPlayPos);  // after the push: the idle pass that sees the mark finds the report
    postUpdate();
}

// Only a parameter's gesture reaches the host: tags beyond the parameters
// belong to the window alone (units toggles, the credits).
void StutterEditor::beginEdit(int tag) {
    if (tag >= 0 && tag < kNumParams) host.beginGesture(tag);
}

void StutterEditor::endEdit(int tag) {
    if (tag >= 0 && tag < kNumParams) host.endGesture(tag);
}

float StutterEditor::current(int tag) const { return clampToUnit(stored(tag)); }

float StutterEditor::stored(int tag) const { return host.parameterValue(tag); }

void StutterEditor::update() {
    uint64_t changed = changes.takeAll();
    for (int index = 0; changed; ++index, changed >>= 1)
        if (changed & 1) applyChange(index);
}

void StutterEditor::refreshTimeInfo() {
    display.tempo = DisplayContext::kDefaultTempo;
    display.sampleRate = DisplayContext::kDefaultSampleRate;
    // A host that answers with no tempo (or no rate) keeps the default, so
    // the displays never divide by zero.
    const EditorHost::Timing time = host.hostTiming();
    if (time.tempo > 0.0) display.tempo = hostValue(time.tempo);
    if (time.sampleRate > 0.0) display.sampleRate = hostValue(time.sampleRate);
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
    if (!tempoEntry) return;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", tempoFromLoop(stored(kLength), stored(kOffset)));
    tempoEntry->setText(text);
}
