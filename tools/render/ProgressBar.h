// A progress bar on a terminal, redrawn in place only when it moves.
#pragma once

#include <cstdint>
#include <cstdio>

class ProgressBar {
public:
    // Draws nothing unless `enabled`.
    ProgressBar(std::FILE* out, int64_t total, bool enabled);
    void update(int64_t done);
    // Ends the line the bar was drawn on.
    void finish();

private:
    std::FILE* out_;
    int64_t total_;
    bool enabled_;
    int shownPercent_ = -1;
};

// Whether a render of `frames` at `sampleRate` deserves a bar on standard
// error: only on a terminal (never in logs or tests), and only when it is
// longer than a second of audio.
bool wantsProgressBar(int64_t frames, double sampleRate);
