// The pieces of the bundle's description text: numbers that read back as the
// very float a program stores, symbols hosts accept, strings that stay whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>
#include <set>
#include <string>

#include "lv2/describe/PortPresentation.h"
#include "lv2/describe/TurtleText.h"
#include "params/ParameterTable.h"

namespace {

// As lilv reads a decimal: to a double, then to the port's float.
float readBack(const std::string& text) { return static_cast<float>(std::strtod(text.c_str(), nullptr)); }

}  // namespace

TEST(TurtleText, NumbersReadBackAsTheSameFloat) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::vector<float> values = {0.0f, 1.0f, 0.5f, 1.0f / 7.0f, 4.0f / 7.0f, 0.957f, 1e-7f, 0.1f};
    for (int i = 0; i < 2000; ++i) values.push_back(unit(random));
    for (const float v : values) {
        const std::string text = turtle::number(v);
        EXPECT_EQ(readBack(text), v) << text;
        // A Turtle decimal: digits, one point, digits; never an exponent.
        EXPECT_EQ(text.find_first_not_of("0123456789."), std::string::npos) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '.'), 1) << text;
    }
    // The editor's menu values, which the scale points carry.
    for (int n = 2; n <= 10; ++n)
        for (int i = 0; i < n; ++i) EXPECT_EQ(readBack(turtle::number(menuValue(i, n))), menuValue(i, n));
}

TEST(TurtleText, EveryParameterGetsItsOwnCIdentifier) {
    std::set<std::string> symbols;
    for (const ParameterInfo& info : kParameterTable) {
        const std::string symbol = turtle::symbolFor(info.name);
        ASSERT_FALSE(symbol.empty());
        EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(symbol.front()))) << symbol;
        EXPECT_EQ(symbol.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"), std::string::npos)
            << symbol;
        EXPECT_TRUE(symbols.insert(symbol).second) << symbol << " twice";
    }
    EXPECT_EQ(turtle::symbolFor("Offset Jmp FFW"), "offset_jmp_ffw");
    EXPECT_EQ(turtle::symbolFor("Filter Speed Restart"), "filter_speed_restart");
    EXPECT_EQ(turtle::symbolFor("7 up"), "p_7_up");
}

TEST(TurtleText, QuotedTextsKeepQuotesBackslashesAndLineBreaksInside) {
    EXPECT_EQ(turtle::quoted("Timestrech 1000%"), "\"Timestrech 1000%\"");
    EXPECT_EQ(turtle::quoted("a \"b\" \\ c"), "\"a \\\"b\\\" \\\\ c\"");
    EXPECT_EQ(turtle::quoted("line\nbreak"), "\"line\\u000Abreak\"");
}
