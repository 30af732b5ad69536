// The 16 programs: selecting one applies its values through setParameter so
// that engine, editor and host follow; names; and the two operations that set
// several parameters at once.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "common/Truncate.h"
#include "midi/MidiMaps.h"
#include "params/ParameterModel.h"
#include "params/ProgramApplyOrder.h"

namespace {

constexpr int kRandomizedKnobs[] = {kLength, kOffset,        kDirection,   kBlend,
                                    kGate,   kDivisionDenom, kDivisionNum, kShuffle};

constexpr float kBarInFrames = 240.0f;  // frames per bar = rate * 240 / tempo (four beats)

}  // namespace

void ParameterModel::setProgram(int program) {
    if (program < 0 || program >= kNumPrograms) return;
    currentIndex = program;
    if (program != 0) midi.programLearnTarget = program;
    settings.values[kBpmLock] = 0.0f;
    settings.values[kRepeatLock] = 0.0f;
    settings.bpmLockState = 0;
    const ProgramRecord& record = programs[program];
    for (int parameter : kProgramApplyOrder) setParameter(parameter, record.value(parameter));
}

void ParameterModel::setProgramName(const char* name) { currentProgram().setName(name); }

void ParameterModel::programName(int program, char* text) const {
    if (!text || program < 0 || program >= kNumPrograms) return;
    std::memcpy(text, programs[program].name, kProgramNameSize);
}

int32_t ParameterModel::setLengthFromTempo(float withOffset, float barFactor) {
    const EngineClock* clock = host.hostClock(ParameterHost::ClockDetail::kTempo);
    if (!clock) return 1;
    return setLengthFromTempo(withOffset, barFactor, static_cast<float>(clock->tempo));
}

int32_t ParameterModel::setLengthFromTempo(float withOffset, float barFactor, float tempo) {
    const EngineClock* clock = host.hostClock(ParameterHost::ClockDetail::kPositionAndTempo);
    if (!clock) return 1;
    // No tempo, no bar: a tempo of 0 or below would give no length or an endless one.
    if (!(tempo > 0.0f)) return 1;
    const double rate =
        clock->sampleRate > 0.0 ? clock->sampleRate : engine->status().hostSampleRate.load();

    const int32_t base = withOffset != 0.0f ? truncInt(settings.offsetSamples) : 0;
    auto span = [&](double barFrames) {
        return truncInt(rate * barFrames / tempo * barFactor) + int64_t{base};
    };
    int64_t samples = span(kBarInFrames);
    // Halve the span until it fits the longest loop.
    for (double f = kBarInFrames / 2; static_cast<float>(samples) >= RangeMapper::kMaxLength;
         f *= 0.5)
        samples = span(f);
    setLengthFrames(static_cast<int32_t>(samples));
    return 0;
}

void ParameterModel::randomizeKnobs() {
    for (int parameter : kRandomizedKnobs) {
        // r / 32767 over the classic 15-bit range of rand, whatever this C
        // library's RAND_MAX is, so that every value lands inside 0..1.
        const int r = std::rand() & 0x7FFF;
        setParameter(parameter, static_cast<float>(r) * 3.0518509e-05f);
    }
}
