// Float-to-integer conversion toward zero, as the engine and the parameter
// mappings use it everywhere. Hosts may send any float (1e30, infinity, NaN);
// a plain cast of such a value is undefined, so out-of-range values saturate
// and NaN gives 0. Inside the int32 range this is exactly a plain cast.
#pragma once

#include <cstdint>

constexpr int32_t truncInt(double x) {
    if (x != x) return 0;
    if (x >= 2147483647.0) return INT32_MAX;
    if (x <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(x);
}
