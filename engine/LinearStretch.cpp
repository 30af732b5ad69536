#include "engine/LinearStretch.h"

#include "common/Truncate.h"
#include "engine/SampleGuard.h"
#include "engine/SampleStages.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

void replayTail(const float* loop, const float* in, float* out, int32_t from, int32_t n, float gain,
                double crushScale, double crushStep, float wetGain, float dryGain) {
    for (int32_t k = from; k < n; ++k) {
        const float wet = crushSample(gain * loop[k], crushScale, crushStep);
        out[k] = safeOutput(wet * wetGain + safeInput(in[k]) * dryGain);
    }
}

#if defined(__x86_64__)
// Four samples at a time. The loop holds only finite samples (it records
// safe input), so the crushed sample is finite and the mix cannot be NaN:
// clamping into the integer range before the truncating conversion is all
// truncInt does, and the output needs only its clamp and the flush of what
// is below the smallest normal number.
__attribute__((target("avx2"))) void replayAvx2(const float* loop, const float* in, float* out,
                                                int32_t n, float gain, double crushScale,
                                                double crushStep, float wetGain, float dryGain) {
    const __m256 absMask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
    const __m256d scale = _mm256_set1_pd(crushScale), step = _mm256_set1_pd(crushStep);
    const __m256d top = _mm256_set1_pd(2147483647.0), bottom = _mm256_set1_pd(-2147483648.0);
    const __m128 gains = _mm_set1_ps(gain), wet = _mm_set1_ps(wetGain), dry = _mm_set1_ps(dryGain);
    const __m128 smallest = _mm_set1_ps(FLT_MIN), largest = _mm_set1_ps(FLT_MAX);
    const __m128 one = _mm_set1_ps(1.0f), minusOne = _mm_set1_ps(-1.0f);
    const __m128 abs4 = _mm256_castps256_ps128(absMask);
    int32_t k = 0;
    for (; k + 4 <= n; k += 4) {
        const __m128 scaled = _mm_mul_ps(gains, _mm_loadu_ps(loop + k));
        __m256d y = _mm256_mul_pd(_mm256_cvtps_pd(scaled), scale);
        y = _mm256_max_pd(_mm256_min_pd(y, top), bottom);
        const __m256d crushed = _mm256_mul_pd(_mm256_cvtepi32_pd(_mm256_cvttpd_epi32(y)), step);
        const __m128 wetSample = _mm256_cvtpd_ps(crushed);

        const __m128 x = _mm_loadu_ps(in + k);
        const __m128 xMagnitude = _mm_and_ps(x, abs4);
        const __m128 inSafe = _mm_and_ps(x, _mm_and_ps(_mm_cmpge_ps(xMagnitude, smallest),
                                                       _mm_cmple_ps(xMagnitude, largest)));
        const __m128 mixed = _mm_add_ps(_mm_mul_ps(wetSample, wet), _mm_mul_ps(inSafe, dry));
        const __m128 clamped = _mm_min_ps(_mm_max_ps(mixed, minusOne), one);
        const __m128 audible = _mm_cmpge_ps(_mm_and_ps(clamped, abs4), smallest);
        _mm_storeu_ps(out + k, _mm_and_ps(clamped, audible));
    }
    replayTail(loop, in, out, k, n, gain, crushScale, crushStep, wetGain, dryGain);
}

using Replay = void (*)(const float*, const float*, float*, int32_t, float, double, double, float,
                        float);
void replayPlain(const float* loop, const float* in, float* out, int32_t n, float gain,
                 double crushScale, double crushStep, float wetGain, float dryGain) {
    replayTail(loop, in, out, 0, n, gain, crushScale, crushStep, wetGain, dryGain);
}
// Chosen once, when the library is loaded.
const Replay kReplay = __builtin_cpu_supports("avx2") ? replayAvx2 : replayPlain;
#endif

}  // namespace

void recordLinearly(const float* in, float* record, int32_t n) {
    for (int32_t k = 0; k < n; ++k) {
        const float magnitude = std::fabs(in[k]);
        record[k] = magnitude >= FLT_MIN && magnitude <= FLT_MAX ? in[k] : 0.0f;
    }
}

void replayLinearly(const float* loop, const float* in, float* out, int32_t n, float gain,
                    double crushScale, double crushStep, float wetGain, float dryGain) {
#if defined(__x86_64__)
    kReplay(loop, in, out, n, gain, crushScale, crushStep, wetGain, dryGain);
#else
    replayTail(loop, in, out, 0, n, gain, crushScale, crushStep, wetGain, dryGain);
#endif
}
