#include "tools/midi/EventSchedule.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any render, yet safe to add block lengths to.
constexpr double kNeverFrame = 4.0e18;

int64_t nearestFrame(double seconds, double sampleRate) {
    const double frame = std::round(seconds * sampleRate);
    if (!(frame < kNeverFrame)) return static_cast<int64_t>(kNeverFrame);
    return frame > 0.0 ? static_cast<int64_t>(frame) : 0;
}

}  // namespace

EventSchedule::EventSchedule(const std::vector<TimedMidiEvent>& events, double sampleRate) {
    struct Keyed {
        ScheduledMidiEvent event;
        bool noteOff;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(events.size());
    for (const TimedMidiEvent& e : events)
        keyed.push_back({{nearestFrame(e.seconds, sampleRate), e.bytes, e.size}, e.isNoteOff()});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        if (a.event.frame != b.event.frame) return a.event.frame < b.event.frame;
        return a.noteOff && !b.noteOff;
    });
    events_.reserve(keyed.size());
    for (const Keyed& k : keyed) events_.push_back(k.event);
}

std::span<const ScheduledMidiEvent> EventSchedule::takeBlock(int64_t blockStart, int frames) {
    while (next_ < events_.size() && events_[next_].frame < blockStart) ++next_;
    const size_t first = next_;
    const int64_t blockEnd = blockStart + frames;
    while (next_ < events_.size() && events_[next_].frame < blockEnd) ++next_;
    delivered_ += next_ - first;
    return std::span<const ScheduledMidiEvent>(events_).subspan(first, next_ - first);
}
