#include "tests/validator/Processor.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "tests/validator/CountedAllocations.h"

namespace validator {

static void fill(std::vector<std::vector<float>>& channels, Signal kind, int frames, std::mt19937& random) {
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const float inf = std::numeric_limits<float>::infinity();
    for (auto& channel : channels)
        for (int i = 0; i < frames; ++i) {
            float& x = channel[static_cast<size_t>(i)];
            switch (kind) {
                case Signal::kNoise: x = noise(random); break;
                case Signal::kSilence: x = 0.0f; break;
                case Signal::kSubnormal: x = (i % 2 ? -FLT_TRUE_MIN : FLT_MIN / 4.0f) * float(i % 5); break;
                case Signal::kSquare: x = (i / 37) % 2 ? 1.0f : -1.0f; break;
                case Signal::kNaN: x = i % 3 ? noise(random) : std::nanf(""); break;
                case Signal::kInfinity: x = i % 2 ? noise(random) : (i % 4 ? inf : -inf); break;
                case Signal::kHuge: x = i % 2 ? 3e38f : -1e30f; break;
            }
        }
}

std::string badSample(const float* samples, int frames) {
    for (int i = 0; i < frames; ++i) {
        const float x = samples[i];
        if (std::isfinite(x) && std::fabs(x) <= 1.0f && (x == 0.0f || std::fabs(x) >= FLT_MIN)) continue;
        char text[96];
        std::snprintf(text, sizeof text, "sample %g at frame %d", static_cast<double>(x), i);
        return text;
    }
    return {};
}

MidiMessages blockMidi(int blockNumber) {
    const auto note = static_cast<uint8_t>(24 + (blockNumber * 7) % 96), step = static_cast<uint8_t>(blockNumber % 128);
    return {{{0x90, note, 100}, {0xB0, 1, step}, {0xB0, 64, static_cast<uint8_t>(step % 2 * 127)}, {0x80, note, 0}}};
}

void Processor::prepare(double sampleRate, int maxBlock) {
    configure(sampleRate, maxBlock);
    sampleRate_ = sampleRate;
    capacity_ = maxBlock;
    sizeBuffers();
}

void Processor::sizeBuffers() {
    in_.resize(static_cast<size_t>(std::max(inputCount(), 0)));
    out_.resize(static_cast<size_t>(std::max(outputCount(), 0)));
    for (auto* channels : {&in_, &out_})
        for (auto& channel : *channels) channel.resize(static_cast<size_t>(std::max(capacity_, 0)));
}

std::string Processor::blocks(int count, int frames, Signal kind, std::vector<float>* sound, bool inPlace) {
    if (in_.size() != static_cast<size_t>(std::max(inputCount(), 0)) ||
        out_.size() != static_cast<size_t>(std::max(outputCount(), 0)))
        sizeBuffers();
    frames = std::min(frames, capacity_);
    for (int block = 0; block < count; ++block, ++blocksDone_) {
        fill(in_, kind, frames, random_);
        const auto saved = in_;
        std::vector<float*> inputs, outputs;
        for (auto& channel : in_) inputs.push_back(channel.data());
        for (size_t c = 0; c < out_.size(); ++c) {
            std::fill_n(out_[c].begin(), frames, std::nanf(""));  // unwritten output frames show up as NaN
            outputs.push_back(inPlace && c < in_.size() ? in_[c].data() : out_[c].data());
        }
        {
            const CountingAllocations counting(allocations);
            process(inputs.data(), outputs.data(), frames, blocksDone_);
        }
        if (Transport time = transport(); time.playing) {  // the next block's position
            time.samplePos += frames;
            if (sampleRate_ > 0.0 && std::isfinite(time.tempo)) time.ppqPos += frames / sampleRate_ * time.tempo / 60.0;
            setTransport(time);
        }
        for (size_t c = 0; c < outputs.size(); ++c)
            if (std::string why = badSample(outputs[c], frames); !why.empty())
                return why + " on output " + std::to_string(c) + " in a block of " + std::to_string(frames);
        for (size_t c = 0; c < in_.size() && !inPlace; ++c)
            if (std::memcmp(in_[c].data(), saved[c].data(), sizeof(float) * size_t(frames)) != 0)
                return "input " + std::to_string(c) + " was written to";
        if (sound)
            for (float* channel : outputs) sound->insert(sound->end(), channel, channel + frames);
    }
    return {};
}

std::string Processor::play(std::initializer_list<double> rates, int count) {
    for (double rate : rates) {
        start(rate);
        std::string why = blocks(count);
        suspend();
        if (!why.empty()) return "at " + std::to_string(rate) + " Hz: " + why;
    }
    return {};
}

}  // namespace validator
