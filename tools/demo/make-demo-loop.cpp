// make-demo-loop: synthesises the demo's drum-and-bass-like loop, four bars
// at 120 BPM in 44.1 kHz stereo (kick, snare, hats and a bass line), so the
// demo needs no sample files. Usage: make-demo-loop [--] OUTPUT.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "tools/cli/CommandLine.h"
#include "tools/cli/OutputFile.h"
#include "tools/render/SoundFile.h"

namespace {

constexpr int kSampleRate = 44100;
constexpr double kTempo = 120.0;
constexpr int kBars = 4;
constexpr int kStepsPerBar = 16;
constexpr int kFramesPerBar = static_cast<int>(kSampleRate * 240.0 / kTempo);
constexpr int kFrames = kBars * kFramesPerBar;
constexpr int kFramesPerStep = kFramesPerBar / kStepsPerBar;  // a sixteenth, half a frame short
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A two-step pattern in sixteenths: 'k' kick, 's' snare, 'g' ghost snare,
// 'h' closed hat, 'o' open hat. One line per bar; the fourth bar fills.
constexpr const char* kDrums[kBars][3] = {
    // kick               snare                hats
    {"k.........k.....", "....s.......s...", "h.h.h.h.h.h.h.o."},
    {"k.........k..k..", "....s.......s..g", "h.h.h.hhh.h.h.o."},
    {"k.........k.....", "....s.......s...", "h.h.h.h.h.h.h.o."},
    {"k......k..k.....", "....s..g....s.ss", "h.hhh.h.h.hhh.o."},
};
// Bass notes (MIDI numbers) per sixteenth, 0 for a rest: a line in F minor.
constexpr int kBass[kBars][kStepsPerBar] = {
    {41, 0, 0, 41, 0, 0, 44, 0, 41, 0, 0, 0, 39, 0, 0, 0},
    {41, 0, 0, 41, 0, 0, 44, 0, 46, 0, 0, 44, 0, 0, 39, 0},
    {41, 0, 0, 41, 0, 0, 44, 0, 41, 0, 0, 0, 48, 0, 46, 0},
    {44, 0, 0, 44, 0, 0, 46, 0, 39, 0, 0, 39, 0, 36, 0, 0},
};

struct Stereo {
    std::vector<float> left = std::vector<float>(kFrames);
    std::vector<float> right = std::vector<float>(kFrames);
    void add(int frame, double sample, double pan) {  // pan -1 (left) to +1 (right)
        if (frame >= kFrames) return;
        left[frame] += static_cast<float>(sample * (1.0 - pan) * 0.5);
        right[frame] += static_cast<float>(sample * (1.0 + pan) * 0.5);
    }
};

// Repeatable white noise, so every run writes the same file.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    uint64_t state_ = 0x5EEDULL;
};

void kick(Stereo& out, int start) {
    double phase = 0.0;
    for (int i = 0; i < kSampleRate / 2; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double frequency = 45.0 + 110.0 * std::exp(-t / 0.03);  // the pitch drop is the punch
        phase += kTwoPi * frequency / kSampleRate;
        out.add(start + i, 0.9 * std::sin(phase) * std::exp(-t / 0.16), 0.0);
    }
}

void snare(Stereo& out, Noise& noise, int start, double level) {
    double previous = 0.0;
    for (int i = 0; i < kSampleRate / 4; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double white = noise.next();
        const double bright = white - 0.6 * previous;  // tilts the noise towards the top
        previous = white;
        const double body = std::sin(kTwoPi * 185.0 * t) * std::exp(-t / 0.04);
        out.add(start + i, level * (0.45 * bright * std::exp(-t / 0.07) + 0.35 * body), -0.15);
    }
}

void hat(Stereo& out, Noise& noise, int start, bool open) {
    double previous = 0.0;
    const double decay = open ? 0.09 : 0.018;
    for (int i = 0; i < kSampleRate / 5; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double white = noise.next();
        const double hiss = white - previous;  // first difference: only the highs remain
        previous = white;
        out.add(start + i, 0.16 * hiss * std::exp(-t / decay), 0.35);
    }
}

// A saw through a low-pass whose cutoff falls during each note.
void bass(Stereo& out, int start, int note) {
    const double frequency = 440.0 * std::pow(2.0, (note - 69) / 12.0);
    const int length = kFramesPerStep * 2;
    double phase = 0.0, filtered = 0.0;
    for (int i = 0; i < length + kSampleRate / 50; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += frequency / kSampleRate;
        phase -= std::floor(phase);
        const double cutoff = 120.0 + 1400.0 * std::exp(-t / 0.06);
        const double coefficient = 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
        filtered += coefficient * ((2.0 * phase - 1.0) - filtered);
        const double gate = i < length ? 1.0 : std::exp(-(i - length) / 80.0);  // no click at the end
        out.add(start + i, 0.5 * filtered * gate * std::min(1.0, i / 40.0), 0.0);
    }
}

Stereo synthesiseLoop() {
    Stereo out;
    Noise noise;
    for (int bar = 0; bar < kBars; ++bar) {
        for (int step = 0; step < kStepsPerBar; ++step) {
            // Sixteenths are 5512.5 frames long: each starts on the frame it begins in.
            const int start = bar * kFramesPerBar + step * kFramesPerBar / kStepsPerBar;
            if (kDrums[bar][0][step] == 'k') kick(out, start);
            const char s = kDrums[bar][1][step];
            if (s == 's' || s == 'g') snare(out, noise, start, s == 's' ? 1.0 : 0.35);
            const char h = kDrums[bar][2][step];
            if (h == 'h' || h == 'o') hat(out, noise, start, h == 'o');
            if (kBass[bar][step] != 0) bass(out, start, kBass[bar][step]);
        }
    }
    return out;
}

// Scales the loop to a peak of -1 dBFS.
void normalise(Stereo& loop) {
    float peak = 0.0f;
    for (size_t i = 0; i < loop.left.size(); ++i)
        peak = std::max({peak, std::fabs(loop.left[i]), std::fabs(loop.right[i])});
    const float gain = peak > 0.0f ? 0.891f / peak : 1.0f;
    for (size_t i = 0; i < loop.left.size(); ++i) {
        loop.left[i] *= gain;
        loop.right[i] *= gain;
    }
}

const cli::Program kProgram{"make-demo-loop",
    "usage: make-demo-loop [--] OUTPUT.wav\n"
    "\n"
    "Writes the demo's drum-and-bass loop: four bars at 120 BPM, 44.1 kHz stereo,\n"
    "the same on every run. OUTPUT may also be .flac, .ogg, .aiff or .aif.\n"
    "\n"
    "  --help, --version  this text, or the version; \"--\" ends the options\n"
    "\n"
    "Exit status: 0 done, 1 failed (one line on standard error), 2 a command line\n"
    "that makes no sense.\n"};

void writeLoop(const cli::Arguments& arguments) {
    std::vector<std::string> files;
    for (const std::string& argument : arguments.leading) {
        if (cli::looksLikeOption(argument)) throw cli::UsageError("unknown option " + argument);
        files.push_back(argument);
    }
    files.insert(files.end(), arguments.operands.begin(), arguments.operands.end());
    if (files.size() != 1) throw cli::UsageError("expected one OUTPUT file");
    const std::string& path = files[0];
    const AudioFormat format = chooseAudioFormat(path, "");

    Stereo loop = synthesiseLoop();
    normalise(loop);
    cli::OutputFile output(path);
    SoundFileWriter writer(output, kSampleRate, format);
    writer.write(loop.left.data(), loop.right.data(), kFrames);
    writer.close();
    output.commit();
    std::printf("%s: %d bars at %g BPM, %d frames at %d Hz\n", path.c_str(), kBars, kTempo, kFrames, kSampleRate);
}

}  // namespace

int main(int argc, char** argv) {
    return cli::run(kProgram, argc, argv, [](const cli::Arguments& arguments) {
        writeLoop(arguments);
        return cli::kExitSuccess;
    });
}
