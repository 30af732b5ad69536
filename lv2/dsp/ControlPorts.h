// The parameters' control ports. LV2 hosts own these: they write a port
// whenever they like and the plug-in only reads. A value reaches the core
// when its port changes, so a value the plug-in changed by itself (Record
// falling back to 0) stays until the host writes that port anew, as with
// VST 2 automation. Changes are applied in the order a program applies its
// values (Length before Offset before BPM Lock, ...): a preset's ports
// arriving in one block set the plug-in as selecting that program does.
#pragma once

#include <bit>
#include <cstdint>
#include <span>

#include "params/ParameterIds.h"

class ControlPorts {
public:
    void connect(int parameter, const float* port) { ports[parameter] = port; }

    // The values the plug-in has now: ports holding them change nothing.
    template <typename Read>
    void settle(Read&& valueOf) {
        for (int i = 0; i < kNumParams; ++i) lastSeen[i] = bitsOf(valueOf(i));
    }

    // The values the ports hold now, applied or not.
    void settleToPorts() {
        for (int i = 0; i < kNumParams; ++i)
            if (ports[i]) lastSeen[i] = bitsOf(*ports[i]);
    }

    // Calls apply(parameter, value) for each connected port whose value
    // differs from the last one seen (bit for bit: a NaN a host keeps
    // writing is applied once), in `order`.
    template <typename Apply>
    void applyChanges(std::span<const int> order, Apply&& apply) {
        for (const int parameter : order) {
            const float* port = ports[parameter];
            if (!port) continue;
            const float value = *port;
            const uint32_t bits = bitsOf(value);
            if (bits == lastSeen[parameter]) continue;
            lastSeen[parameter] = bits;
            apply(parameter, value);
        }
    }

private:
    static uint32_t bitsOf(float value) { return std::bit_cast<uint32_t>(value); }

    const float* ports[kNumParams] = {};
    uint32_t lastSeen[kNumParams] = {};
};
