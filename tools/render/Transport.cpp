#include "tools/render/Transport.h"

#include <cmath>

namespace {

constexpr int kBeatsPerBar = 4;
// ppqPos lands a hair below a bar line through rounding; this keeps the
// bar start from falling back a whole bar there.
constexpr double kBarLineSlack = 1e-9;

}  // namespace

Transport::Transport(double sampleRate, double tempo) {
    info_.sampleRate = sampleRate;
    info_.tempo = tempo;
    info_.timeSigNumerator = kBeatsPerBar;
    info_.timeSigDenominator = 4;
    info_.flags = kVstTransportPlaying | kVstPpqPosValid | kVstTempoValid | kVstBarsValid |
                  kVstTimeSigValid;
    moveTo(0);
}

void Transport::moveTo(int64_t frame) {
    info_.samplePos = static_cast<double>(frame);
    info_.ppqPos = info_.samplePos / info_.sampleRate * info_.tempo / 60.0;
    info_.barStartPos = std::floor(info_.ppqPos / kBeatsPerBar + kBarLineSlack) * kBeatsPerBar;
}
