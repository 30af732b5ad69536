// The host a plug-in sees during a render: VST 2.4, a running transport,
// MIDI delivered by the host, offline processing at a known rate and block
// size. Everything else the plug-in may ask is answered with 0.
#pragma once

#include "tools/host/PluginLibrary.h"
#include "tools/render/Transport.h"

class RenderHost : public Host {
public:
    RenderHost(double sampleRate, double tempo, int blockFrames)
        : transport_(sampleRate, tempo), blockFrames_(blockFrames) {}

    Transport& transport() { return transport_; }

    VstIntPtr onHostCall(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                         void* ptr, float opt) override;

private:
    Transport transport_;
    int blockFrames_;
};
