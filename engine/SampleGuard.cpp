#include "engine/SampleGuard.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// What is left over after the vectors, sample by sample.
void passThroughTail(const float* in, float* out, int from, int n) {
    for (int i = from; i < n; ++i) out[i] = safeOutput(safeInput(in[i]));
}

#if defined(__x86_64__)
// Not finite, or below the smallest normal number: silence. Then the clamp to
// -1..1. The mask leaves +0 where a sample is dropped, as safeInput does.
__m128 safe4(__m128 x) {
    const __m128 magnitude = _mm_and_ps(x, _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
    const __m128 keep = _mm_and_ps(_mm_cmpge_ps(magnitude, _mm_set1_ps(FLT_MIN)),
                                   _mm_cmple_ps(magnitude, _mm_set1_ps(FLT_MAX)));
    const __m128 kept = _mm_and_ps(x, keep);
    return _mm_min_ps(_mm_max_ps(kept, _mm_set1_ps(-1.0f)), _mm_set1_ps(1.0f));
}

void passThroughSse(const float* in, float* out, int n) {
    int i = 0;
    for (; i + 4 <= n; i += 4) _mm_storeu_ps(out + i, safe4(_mm_loadu_ps(in + i)));
    passThroughTail(in, out, i, n);
}

__attribute__((target("avx2"))) void passThroughAvx2(const float* in, float* out, int n) {
    const __m256 absMask = _mm256_castsi256_ps(_mm256_set1_epi32(0x7FFFFFFF));
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256 x = _mm256_loadu_ps(in + i);
        const __m256 magnitude = _mm256_and_ps(x, absMask);
        const __m256 keep = _mm256_and_ps(_mm256_cmp_ps(magnitude, _mm256_set1_ps(FLT_MIN), _CMP_GE_OQ),
                                          _mm256_cmp_ps(magnitude, _mm256_set1_ps(FLT_MAX), _CMP_LE_OQ));
        const __m256 kept = _mm256_and_ps(x, keep);
        _mm256_storeu_ps(out + i, _mm256_min_ps(_mm256_max_ps(kept, _mm256_set1_ps(-1.0f)),
                                                _mm256_set1_ps(1.0f)));
    }
    passThroughTail(in, out, i, n);
}

// Chosen once, when the library is loaded.
using PassThrough = void (*)(const float*, float*, int);
const PassThrough kPassThrough = __builtin_cpu_supports("avx2") ? passThroughAvx2 : passThroughSse;
#endif

}  // namespace

void passThroughSafely(const float* in, float* out, int n) {
#if defined(__x86_64__)
    kPassThrough(in, out, n);
#else
    passThroughTail(in, out, 0, n);
#endif
}
