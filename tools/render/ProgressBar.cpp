#include "tools/render/ProgressBar.h"

#include <unistd.h>

namespace {

constexpr int kBarWidth = 40;

}  // namespace

ProgressBar::ProgressBar(std::FILE* out, int64_t total, bool enabled)
    : out_(out), total_(total > 0 ? total : 1), enabled_(enabled) {}

void ProgressBar::update(int64_t done) {
    if (!enabled_) return;
    const int percent = static_cast<int>(done * 100 / total_);
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    char bar[kBarWidth + 1];
    const int filled = percent * kBarWidth / 100;
    for (int i = 0; i < kBarWidth; ++i) bar[i] = i < filled ? '#' : '.';
    bar[kBarWidth] = '\0';
    std::fprintf(out_, "\rrendering [%s] %3d%%", bar, percent);
    std::fflush(out_);
}

void ProgressBar::finish() {
    if (!enabled_ || shownPercent_ < 0) return;
    std::fputc('\n', out_);
    std::fflush(out_);
}

bool wantsProgressBar(int64_t frames, double sampleRate) {
    return isatty(STDERR_FILENO) && frames > sampleRate;
}
