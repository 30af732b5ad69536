// What a CLAP host learns about a value without an instance: the step or
// knob value it sees, the core value it sets, and the texts both ways. A
// host's value always selects the step it names, a text read back shows the
// same text, and a core value from anywhere (a VST 2 host's automation, a
// MIDI controller, a program) is reported as a value inside the range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "clap/ParamShapes.h"
#include "clap/ParamTexts.h"
#include "params/ParameterTable.h"

namespace {

std::string textOf(int index, double value) {
    char text[256];
    std::memset(text, 'x', sizeof text);
    EXPECT_TRUE(clapValueText(index, value, text, sizeof text)) << index;
    EXPECT_LT(std::strlen(text), size_t{64}) << index;  // CLAP_NAME_SIZE leaves no room for more
    return text;
}

// Core values from everywhere: a fine grid, the exact values switches and
// menus look for, and values outside the knob's range.
std::vector<float> coreValues() {
    std::vector<float> values;
    for (int i = 0; i <= 1000; ++i) values.push_back(static_cast<float>(i) / 1000.0f);
    for (int n = 1; n <= 17; ++n)
        for (int i = 0; i <= n; ++i) values.push_back(static_cast<float>(i) / static_cast<float>(n));
    for (float v : {-1.0f, -0.0f, 1.5f, 1e30f, -1e30f, 64.0f / 127.0f, 0.99999994f})
        values.push_back(v);
    return values;
}

TEST(ClapParams, HostValuesAndCoreValuesSelectTheSameSettings) {
    for (int p = 0; p < kNumParams; ++p) {
        const ClapParamShape shape = clapParamShape(p);
        ASSERT_LT(shape.min, shape.max) << p;
        for (float v : coreValues()) {
            const double seen = clapValueOf(p, v);
            ASSERT_GE(seen, shape.min) << p << " " << v;
            ASSERT_LE(seen, shape.max) << p << " " << v;
            if (shape.stepped) {
                ASSERT_EQ(seen, std::floor(seen)) << p << " " << v;
            }
        }
        if (shape.stepped) {
            // Every step the host can send comes back as itself, and a value
            // between steps is truncated as CLAP defines for stepped values.
            for (double s = shape.min; s <= shape.max; s += 1.0) {
                EXPECT_EQ(clapValueOf(p, coreValueOf(p, s)), s) << p << " step " << s;
                EXPECT_EQ(clapValueOf(p, coreValueOf(p, s + 0.75)), s) << p << " step " << s;
            }
            EXPECT_EQ(coreValueOf(p, shape.min), 0.0f) << p;  // off is exactly 0, as in a fresh program
        } else {
            for (float v : coreValues()) {
                if (v < 0.0f || v > 1.0f) continue;
                EXPECT_EQ(coreValueOf(p, v), v) << p;
            }
            EXPECT_EQ(coreValueOf(p, -3.0), 0.0f);
            EXPECT_EQ(coreValueOf(p, 7.0), 1.0f);
        }
        EXPECT_EQ(coreValueOf(p, std::nan("")), kParameterTable[p].freshValue) << p;
        EXPECT_EQ(clapDefaultOf(p), clapValueOf(p, kParameterTable[p].freshValue)) << p;
    }
    // The switches that need exactly 1.0, and the ones any other value turns on.
    EXPECT_EQ(coreValueOf(kBpmLock, 1.0), 1.0f);
    EXPECT_EQ(clapValueOf(kBpmLock, 0.999f), 0.0);
    EXPECT_EQ(clapValueOf(kRelease, 0.001f), 1.0);
    // Direction's three values sit at 0, 1.0 and 0.5.
    EXPECT_EQ(coreValueOf(kDirection, 1.0), 1.0f);
    EXPECT_EQ(coreValueOf(kDirection, 2.0), 0.5f);
    EXPECT_EQ(clapValueOf(kDirection, 0.25f), 0.0);
    // Steps only 1.0 reaches, and steps past the menus.
    EXPECT_EQ(coreValueOf(kRepeats, 17.0), 1.0f);
    EXPECT_EQ(coreValueOf(kDivisionNum, 4.0), 1.0f);
    EXPECT_EQ(clapValueOf(kFilterType, 1.0f), 8.0);
    EXPECT_EQ(clapValueOf(kRepeats, 0.0f), 1.0);
    EXPECT_EQ(clapParamShape(kRepeats).max, 17.0);
    EXPECT_EQ(clapParamShape(kRecSync).max, 11.0);
    EXPECT_FALSE(clapParamShape(kModulatorSpeed).stepped);  // the engine reads its value too
    EXPECT_EQ(clapDefaultOf(kBpmLock), 1.0);
    EXPECT_EQ(clapDefaultOf(kOffset), 0.5);
}

TEST(ClapParams, TextsFollowTheDisplayRulesAndReadBackToTheSameText) {
    const std::pair<std::pair<int, double>, const char*> texts[] = {
        {{kRecord, 1}, "Recording"},     {{kRecSync, 0}, "Off"},
        {{kRecSync, 3}, "1/4"},          {{kRecSync, 10}, "Off"},
        {{kRecOffset, 4}, "1/16 shuffle"}, {{kDirection, 2}, "Reverse"},
        {{kLength, 0.5}, "25000 samples"}, {{kLength, 1.0}, "200000 samples"},
        {{kLengthQuant, 2}, "1/16"},     {{kDivisionNum, 4}, "16 or 9"},
        {{kOffset, 0.75}, "312.50 samples"}, {{kOffset, 0.0}, "-5000.00 samples"},
        {{kRepeats, 17}, "17"},          {{kMix, 0.5}, "0.50 %"},
        {{kGate, 0.5}, "25 %"},          {{kBitCrush, 0.0}, "24 bits"},
        {{kBitCrush, 1.0}, "1 bits"},    {{kBlend, 0.5}, "50 %"},
        {{kModulatorSpeed, 1.0}, "1/64 Bar"}, {{kModulatorSpeed, 0.99}, "1/48 Bar"},
        {{kModulatorPhase, 0}, "-1.0"},  {{kModulatorMode, 4}, "Major Arpegio"},
        {{kModulatorMode, 8}, "8"},      {{kPitch, 0.5}, "0 semitones"},
        {{kPitch, 0.0}, "-48 semitones"}, {{kPitchPhase, 1}, "Up"},
        {{kFilterFreq, 0.5}, "2010.0 Hz"}, {{kFilterGain, 0.5}, "0.0 dB"},
        {{kFilterType, 3}, "BPF"},       {{kFilterType, 8}, "Off"},
        {{kFilterSpeedSync, 7}, "1/32 th"}, {{kFilterSpeedType, 1}, "Up"},
    };
    for (const auto& [what, text] : texts) EXPECT_EQ(textOf(what.first, what.second), text) << what.first;

    for (int p = 0; p < kNumParams; ++p) {
        const ClapParamShape shape = clapParamShape(p);
        std::vector<double> values;
        if (shape.stepped)
            for (double s = shape.min; s <= shape.max; s += 1.0) values.push_back(s);
        else
            for (int i = 0; i <= 2000; ++i) values.push_back(i / 2000.0);
        for (double value : values) {
            const std::string text = textOf(p, value);
            double read = -1.0;
            ASSERT_TRUE(clapTextValue(p, text.c_str(), read)) << p << " '" << text << "'";
            ASSERT_GE(read, shape.min) << p;
            ASSERT_LE(read, shape.max) << p;
            EXPECT_EQ(textOf(p, read), text) << p << " value " << value;
        }
    }
    // What a user types: names in any case, numbers without their unit,
    // numbers past the range held at its ends.
    double value = -1.0;
    EXPECT_TRUE(clapTextValue(kFilterType, "  lpf ", value));
    EXPECT_EQ(value, 1.0);
    EXPECT_TRUE(clapTextValue(kLength, "88200", value));
    EXPECT_EQ(textOf(kLength, value), "88200 samples");
    EXPECT_TRUE(clapTextValue(kOffset, "-9999", value));
    EXPECT_EQ(value, 0.0);
    EXPECT_TRUE(clapTextValue(kRepeats, "4", value));
    EXPECT_EQ(value, 4.0);
    EXPECT_FALSE(clapTextValue(kRepeats, "40", value));
    EXPECT_FALSE(clapTextValue(kFilterType, "Wah", value));
    EXPECT_FALSE(clapTextValue(kMix, "", value));
    EXPECT_FALSE(clapTextValue(kMix, "nan", value));
    EXPECT_FALSE(clapTextValue(kNumParams, "1", value));
    EXPECT_FALSE(clapTextValue(kMix, nullptr, value));
}

TEST(ClapParams, TextsFitAnyBufferAndRefuseWhatNamesNoValue) {
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_TRUE(clapValueText(kLength, 0.5, small, 3));
    EXPECT_STREQ(small, "25");
    EXPECT_EQ(small[3], 'x');
    EXPECT_FALSE(clapValueText(kLength, 0.5, small, 0));
    EXPECT_FALSE(clapValueText(kLength, 0.5, nullptr, 16));
    EXPECT_FALSE(clapValueText(kLength, std::nan(""), small, sizeof small));
    EXPECT_FALSE(clapValueText(-1, 0.5, small, sizeof small));
    EXPECT_FALSE(clapValueText(kNumParams, 0.5, small, sizeof small));
    // Values past the range show the nearest end.
    char text[64];
    ASSERT_TRUE(clapValueText(kFilterType, 1e9, text, sizeof text));
    EXPECT_STREQ(text, "Off");
    ASSERT_TRUE(clapValueText(kLength, -4.0, text, sizeof text));
    EXPECT_STREQ(text, "0 samples");
}

}  // namespace
