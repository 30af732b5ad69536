// The two value-to-text routines behind the Length and Offset displays.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "plugin/AudioEffect.h"

namespace {

template <typename Value>
std::string textOf(void (*format)(Value, char*), Value value) {
    char text[64];
    std::memset(text, 'x', sizeof text);
    format(value, text);
    return text;
}

// Long: seven wide, cut to eight or "Huge!"; float: eight characters, the
// digits cut.
TEST(ValueText, LongAndFloatFillTheirWidthAndCut) {
    // The Length display's texts (ParameterTextsTest) cover 0 to 200000.
    const std::pair<long, const char*> longs[] = {
        {-5, "     -5"},       {1234567, "1234567"},     {12345678, "12345678"},
        {99999999, "99999999"}, {-1234567, "-1234567"}, {-12345678, "-1234567"},
        {100000000, "Huge!"},  {2000000000, "Huge!"},
    };
    for (auto [value, text] : longs)
        EXPECT_EQ(textOf(&AudioEffect::long2string, value), text) << value;

    // The Offset display's texts (ParameterTextsTest) cover 0, 312.5 and 5000.
    const std::pair<float, const char*> floats[] = {
        {1234.5f, "1234.500"}, {0.5f, "0.500000"},  {-2.0f, "-2.00000"},  {-0.5f, "-0.50000"},
        {0.1f, "0.100000"},    {12.345f, "12.34500"}, {1234567.0f, "1234567."}, {100.0f, "100.0000"},
        {-160.0f, "-160.000"},
        // The last digit is cut, never rounded up.
        {std::nextafter(2.0f, 0.0f), "1.999999"}, {-std::nextafter(2.0f, 0.0f), "-1.99999"},
    };
    for (auto [value, text] : floats)
        EXPECT_EQ(textOf(&AudioEffect::float2string, value), text) << value;
}

}  // namespace
