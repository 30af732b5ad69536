#include "tools/midi/TempoMap.h"

#include <algorithm>

namespace {

constexpr uint32_t kDefaultMicrosPerQuarter = 500000;

// SMPTE divisions: the high byte is minus the frame rate (24, 25, 29 for
// 29.97 drop-frame, 30), the low byte the ticks per frame.
double smpteSecondsPerTick(uint16_t division) {
    const int framesPerSecond = -static_cast<int8_t>(division >> 8);
    const int ticksPerFrame = division & 0xFF;
    const double rate = framesPerSecond == 29 ? 29.97 : framesPerSecond;
    return 1.0 / (rate * ticksPerFrame);
}

}  // namespace

TempoMap::TempoMap(uint16_t division, const std::vector<SmfTempoChange>& tempos) {
    if (division & 0x8000) {
        segments_.push_back({0, 0.0, smpteSecondsPerTick(division)});
        return;
    }
    const double ticksPerQuarter = division;
    auto perTick = [&](uint32_t micros) { return micros * 1e-6 / ticksPerQuarter; };
    segments_.push_back({0, 0.0, perTick(kDefaultMicrosPerQuarter)});
    for (const SmfTempoChange& change : tempos) {
        Segment& last = segments_.back();
        if (change.tick == last.startTick) {
            last.secondsPerTick = perTick(change.microsPerQuarter);  // the later change wins
            continue;
        }
        const double start =
            last.startSeconds + static_cast<double>(change.tick - last.startTick) * last.secondsPerTick;
        segments_.push_back({change.tick, start, perTick(change.microsPerQuarter)});
    }
}

double TempoMap::seconds(uint64_t tick) const {
    // The last segment that starts at or before the tick.
    auto next = std::upper_bound(segments_.begin(), segments_.end(), tick,
                                 [](uint64_t t, const Segment& s) { return t < s.startTick; });
    const Segment& segment = *(next - 1);
    return segment.startSeconds + static_cast<double>(tick - segment.startTick) * segment.secondsPerTick;
}
