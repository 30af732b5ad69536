// The engine's clock from CLAP's transport record: tempo, playing, and the
// song position in frames from the seconds timeline (or from the beats and
// the tempo when the host keeps only beats).
#pragma once

#include <clap/events.h>

#include "engine/EngineClock.h"

// transport may be null (the host tells no time: the clock is not known).
EngineClock clockFromTransport(const clap_event_transport_t* transport, double sampleRate);
