// Float-to-integer conversion toward zero, as the engine and the parameter
// mappings use it everywhere. Hosts may send any float (1e30, infinity, NaN);
// a plain cast of such a value is undefined, so out-of-range values saturate
// and NaN gives 0. Inside the int32 range this is exactly a plain cast.
#pragma once

#include <cstdint>
#include <type_traits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

constexpr int32_t truncInt(double x) {
#if defined(__SSE2__)
    // On the audio path this runs several times per frame: without branches,
    // NaN masked to 0 and the value clamped into range before the one
    // truncating conversion, which then agrees with the branches below.
    if (!std::is_constant_evaluated()) {
        __m128d v = _mm_set_sd(x);
        v = _mm_and_pd(v, _mm_cmpord_sd(v, v));
        v = _mm_min_sd(v, _mm_set_sd(2147483647.0));
        v = _mm_max_sd(v, _mm_set_sd(-2147483648.0));
        return _mm_cvttsd_si32(v);
    }
#endif
    if (x != x) return 0;
    if (x >= 2147483647.0) return INT32_MAX;
    if (x <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(x);
}
