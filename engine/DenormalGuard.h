// Flush-to-zero and denormals-are-zero for the duration of an audio callback.
// Filter tails and crossfades decay into denormal numbers, which many
// processors handle a hundred times slower than normal ones; the caller's
// floating-point state is restored on the way out.
#pragma once

#if defined(__SSE__)
#include <xmmintrin.h>
#endif

class DenormalGuard {
public:
#if defined(__SSE__)
    // Writing the control register costs more than reading it: most hosts
    // already run their audio thread with both modes on.
    DenormalGuard() : saved_(_mm_getcsr()) {
        if ((saved_ & kBoth) != kBoth) _mm_setcsr(saved_ | kBoth);
    }
    ~DenormalGuard() {
        if ((saved_ & kBoth) != kBoth) _mm_setcsr(saved_);
    }
#else
    DenormalGuard() = default;
#endif
    DenormalGuard(const DenormalGuard&) = delete;
    DenormalGuard& operator=(const DenormalGuard&) = delete;

#if defined(__SSE__)
    static constexpr unsigned kFlushToZero = 0x8000;      // MXCSR bit 15
    static constexpr unsigned kDenormalsAreZero = 0x0040;  // MXCSR bit 6
    static constexpr unsigned kBoth = kFlushToZero | kDenormalsAreZero;

private:
    unsigned saved_;
#endif
};
