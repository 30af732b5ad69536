// The host's transport during a render: always playing, at a fixed tempo in
// 4/4, starting at frame 0. Before each block it moves to the block's first
// frame, so the time information a plug-in asks for describes that frame.
#pragma once

#include <cstdint>

#include "plugin/vst2.h"

class Transport {
public:
    Transport(double sampleRate, double tempo);

    void moveTo(int64_t frame);
    VstTimeInfo* timeInfo() { return &info_; }
    double sampleRate() const { return info_.sampleRate; }
    double tempo() const { return info_.tempo; }

private:
    VstTimeInfo info_{};
};
