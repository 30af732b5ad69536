#include "clap/TransportClock.h"

#include <cmath>

namespace {

// Hosts count whole frames; CLAP's fixed-point times carry a rounding error
// far below one frame, which would otherwise put a position a hair before a
// grid point the engine waits for.
double wholeFramesNear(double frames) {
    const double whole = std::round(frames);
    return std::fabs(frames - whole) < 1e-3 ? whole : frames;
}

}  // namespace

EngineClock clockFromTransport(const clap_event_transport_t* transport, double sampleRate) {
    EngineClock clock;
    clock.sampleRate = sampleRate;
    if (transport == nullptr) return clock;
    clock.known = true;
    clock.playing = (transport->flags & CLAP_TRANSPORT_IS_PLAYING) != 0;
    const bool hasTempo = (transport->flags & CLAP_TRANSPORT_HAS_TEMPO) != 0;
    if (hasTempo && std::isfinite(transport->tempo)) clock.tempo = transport->tempo;
    double frames = 0.0;
    if (transport->flags & CLAP_TRANSPORT_HAS_SECONDS_TIMELINE) {
        frames = static_cast<double>(transport->song_pos_seconds) / CLAP_SECTIME_FACTOR * sampleRate;
    } else if ((transport->flags & CLAP_TRANSPORT_HAS_BEATS_TIMELINE) && clock.tempo > 0.0) {
        frames = static_cast<double>(transport->song_pos_beats) / CLAP_BEATTIME_FACTOR * 60.0 /
                 clock.tempo * sampleRate;
    }
    clock.samplePosition = std::isfinite(frames) ? wholeFramesNear(frames) : 0.0;
    return clock;
}
