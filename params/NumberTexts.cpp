#include "params/NumberTexts.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void longText(long value, char* text) {
    if (value >= 100000000) {
        std::strcpy(text, "Huge!");
        return;
    }
    char formatted[32];
    std::snprintf(formatted, sizeof formatted, "%7ld", value);
    formatted[8] = 0;  // at most eight characters reach the host
    std::strcpy(text, formatted);
}

// Eight characters of sign, digits and point in all: the integer digits
// first, then as many decimals as still fit, each digit cut rather than rounded.
void floatText(float value, char* text) {
    double v = std::fabs(static_cast<double>(value));
    const bool negative = value < 0.0f;
    if (!(v <= (negative ? 9999999.0 : 99999999.0))) {  // also catches NaN
        std::strcpy(text, "Huge!");
        return;
    }
    int count = negative ? 1 : 0;

    char integer[16];
    char* start = integer + sizeof integer - 1;
    *start = 0;
    *--start = '.';
    double part = std::floor(v);
    *--start = static_cast<char>('0' + static_cast<int>(std::fmod(part, 10.0)));
    count += 2;
    for (part *= 0.1; part >= 1.0 && count < 8; part *= 0.1) {
        *--start = static_cast<char>('0' + static_cast<int>(std::fmod(part, 10.0)));
        ++count;
    }
    if (negative) *--start = '-';
    std::strcpy(text, start);
    if (count >= 8) return;

    const int decimals = 8 - count;
    char fraction[16];
    double mantissa = std::fmod(v, 1.0) * std::pow(10.0, decimals);
    for (int i = decimals - 1; i >= 0; --i) {
        fraction[i] =
            mantissa <= 0.0 ? '0' : static_cast<char>('0' + static_cast<int>(std::fmod(mantissa, 10.0)));
        mantissa *= 0.1;
    }
    fraction[decimals] = 0;
    std::strcat(text, fraction);
}
