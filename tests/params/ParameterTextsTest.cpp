// What a host reads about the parameters: names, unit labels, display texts
// and the status values, through the dispatcher and getParameter only.
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "tests/params/ParamsTestSupport.h"

namespace {

using namespace params_test;

const char* const kNames[kNumParams] = {
    "Record", "Rec Sync", "Rec Offset", "Rewind", "Clear", "Release", "BPM Lock", "BPM Sync",
    "Direction", "Length", "Length Quant", "Division Num", "Division Denom", "Offset",
    "Offset Jmp FFW", "Offset Jmp Back", "Repeats", "Repeat Lock", "Mix", "Touch rec", "Shuffle",
    "Gate", "Bit Crush", "Blend", "Modulator Speed", "Modulator Amp", "Modulator Phase",
    "Modulator Mode", "Pitch", "Pitch hold", "Pitch rel", "Pitch phase", "Pitch mode",
    "Filter freq", "Filter Q", "Filter gain", "Filter type", "Filter Speed", "Filter Speed Sync",
    "Filter Speed Restart", "Filter Speed Type"};
const char* const kLabels[kNumParams] = {
    "", "", "", "", "", "", "", "", "", "samples", "Snap", "", "", "samples", "", "", "loops", "",
    "", "", "amt", "%", "bits", "%", "Bar", "amt", "", "", "Semi", "amt", "amt", "", "", "Hz",
    "amt", "dB", "amt", "amt", "amt", "amt", "amt"};

// "%.1f" of Filter freq³ × 16000 scaled by the modulation, plus 10 Hz.
std::string filterText(double freq, double lfo) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", lfo * freq * freq * freq * 16000.0 + 10.0);
    return text;
}

std::string idx(int index) { return "idx " + std::to_string(index); }

TEST(ParameterTexts, NamesLabelsStatusFilterTextsAndIndicesWithoutText) {
    TestHost host;
    PluginInstance plugin(host);
    for (int p = 0; p < kNumParams; ++p) {
        EXPECT_EQ(plugin.name(p), kNames[p]) << p;
        EXPECT_EQ(plugin.label(p), kLabels[p]) << p;
    }
    for (int index : {41, 43, 49, 63, 1000, -1}) {
        EXPECT_EQ(plugin.name(index), idx(index));
        EXPECT_EQ(plugin.label(index), "");
    }
    // Rec Sync, Rec Offset and the three filter-speed menus have no display rule.
    for (int index : {1, 2, 38, 39, 40, 41, 43, 63, 1000, -3})
        EXPECT_EQ(plugin.display(index), idx(index));
    // The status values, 1/600000 per frame, and reads of nothing.
    EXPECT_EQ(plugin.get(kStatusPlayPos), 0.0f);
    EXPECT_FLOAT_EQ(plugin.get(kStatusRecordPos), 200000 * 1.6666667e-6f);
    EXPECT_EQ(plugin.get(kStatusRecordedLength), 0.0f);
    for (int index : {41, 42, 46, 49, 63, 200, -1}) EXPECT_EQ(plugin.get(index), 0.0f) << index;

    // The filter displays show the last design, as the engine made it in its
    // last block. Filter freq 0.5, shape "Down", Filter Speed 0: cos 0 gives
    // the full 2000 Hz.
    EXPECT_EQ(plugin.display(kFilterFreq), "0.0");
    plugin.emptyBlock();
    EXPECT_EQ(plugin.display(kFilterFreq), "2010.0");
    EXPECT_EQ(plugin.display(kFilterQ), "0.50");
    EXPECT_EQ(plugin.display(kFilterGain), "0.0");
    // Filter Speed alone redesigns nothing; each forced redesign then
    // advances the phase by it.
    plugin.set(kFilterSpeed, 0.5f);
    EXPECT_EQ(plugin.display(kFilterFreq), "2010.0");
    plugin.set(kFilterGain, 1.0f);
    EXPECT_EQ(plugin.display(kFilterGain), "16.0");
    plugin.emptyBlock();
    EXPECT_EQ(plugin.display(kFilterFreq), filterText(0.5, (std::cos(0.5) + 1.0) * 0.5));
    plugin.set(kFilterQ, 1.0f);
    EXPECT_EQ(plugin.display(kFilterQ), "1.00");
    plugin.emptyBlock();
    EXPECT_EQ(plugin.display(kFilterFreq), filterText(0.5, (std::cos(1.0) + 1.0) * 0.5));
    plugin.set(kFilterSpeedType, 0.34f);  // step 1, "Up"
    plugin.emptyBlock();
    EXPECT_EQ(plugin.display(kFilterFreq), filterText(0.5, (std::sin(1.5) + 1.0) * 0.5));
    plugin.set(kFilterSpeedType, 0.67f);  // step 2: no modulation
    plugin.set(kFilterFreq, 1.0f);
    plugin.emptyBlock();
    EXPECT_EQ(plugin.display(kFilterFreq), "16010.0");
    plugin.set(kFilterGain, 0.0f);
    EXPECT_EQ(plugin.display(kFilterGain), "-16.0");
}

TEST(ParameterTexts, DisplayTextsOfRepresentativeValues) {
    TestHost host;
    PluginInstance plugin(host);  // program 0: no lock, so Length and Offset stay apart
    const float belowOne = std::nextafter(1.0f, 0.0f);
    const std::tuple<int, float, const char*> cases[] = {
        {kRecord, 1, "Recording"}, {kRecord, 0, "Waiting"}, {kRewind, 1, "Touch to Rewind"},
        {kClear, 0, "Touch to Clear"}, {kRelease, 0, "Looping"}, {kRelease, 0.01f, "Releasing"},
        {kBpmLock, 0, "Off"}, {kBpmLock, 0.99f, "Off"}, {kBpmLock, 1, "On"}, {kBpmLock, 0, "Off"},
        {kBpmSync, 0, "Sync length"}, {kOffsetJmpFfw, 0, "Move to jump"},
        {kOffsetJmpBack, 0, "Move to jump"}, {kPitchPhase, 0, "Down"}, {kPitchPhase, 0.5f, "Up"},
        {kDirection, 0.5f, "Reverse"}, {kDirection, 0.25f, "Forward"},
        {kDirection, std::nextafter(0.5f, 1.0f), "Forward"}, {kDirection, 1, "Alter"},
        {kDirection, 1.5f, "Alter"}, {kDirection, -0.1f, "Alter"},
        {kLength, 0.5f, "  25000"}, {kLength, 1, " 200000"}, {kLength, 0, "      0"},
        {kLength, 2, " 200000"}, {kLengthQuant, 0.19f, "0"}, {kLengthQuant, 0.2f, "8"},
        {kLengthQuant, 0.4f, "16"}, {kLengthQuant, 0.6f, "32"}, {kLengthQuant, 0.79f, "32"},
        {kLengthQuant, 0.8f, "64"}, {kLengthQuant, -0.5f, "0"}, {kOffset, 0.75f, "312.5000"},
        {kOffset, 0.25f, "-312.500"}, {kOffset, 0, "-5000.00"}, {kOffset, 1, "5000.000"},
        {kOffset, 0.5f, "0.000000"}, {kOffset, 1.5f, "5000.000"}, {kRepeats, 0, "1"},
        {kRepeats, 1, "17"}, {kRepeats, 0.5f, "9"}, {kRepeatLock, 0.5f, "0.500000"},
        {kMix, 0.5f, "0.50 %"}, {kTouchRec, 0.25f, "0.25"}, {kShuffle, 0.333f, "0.33"},
        {kGate, 0.5f, "25"}, {kGate, 1, "100"}, {kBitCrush, 0, "24"}, {kBitCrush, 1, "1"},
        {kBitCrush, 0.5f, "12"}, {kBlend, 0.5f, "50"}, {kModulatorSpeed, 0, "1/1"},
        {kModulatorSpeed, 0.5f, "1/8"}, {kModulatorSpeed, belowOne, "1/48"},
        {kModulatorSpeed, 1, "1/64"}, {kModulatorSpeed, -0.1f, "1/0"},
        {kModulatorAmp, 0.5f, "0.50"}, {kModulatorPhase, 0, "-1.0"}, {kModulatorPhase, 0.3f, "1.0"},
        {kModulatorMode, 0.5f, "0.500000"}, {kPitch, 0, "-48"}, {kPitch, 0.5f, "0"},
        {kPitch, 1, "48"}, {kPitch, 0.8f, "28"}, {kPitchHold, 0.75f, "0.75"},
        {kPitchRel, 0.126f, "0.13"}, {kPitchMode, 1, "1.00"}, {kFilterType, 0.3f, "0.3"},
        {kFilterSpeed, 0.25f, "0.25"}, {kDivisionNum, 1, "16"}, {kDivisionNum, 0.99f, "8"},
        {kDivisionDenom, 0, "1 2 4 8 16"}, {kDivisionDenom, 0.001f, "1 3 5 7 9"},
        {kDivisionNum, 1, "9"}, {kDivisionNum, 0.25f, "3"},
    };
    for (auto [index, value, text] : cases) {
        plugin.set(index, value);
        EXPECT_EQ(plugin.display(index), text) << index << " at " << value;
    }
    EXPECT_EQ(plugin.get(kLength), 1.0f);  // clamped
    EXPECT_EQ(plugin.get(kOffset), 1.0f);
    EXPECT_EQ(plugin.get(kDirection), 1.0f);  // 1.5 and -0.1 were ignored

    // A numerator outside 0..1 is reset to 0 when it is next worked out; the
    // program keeps what was written.
    for (float outside : {1.5f, -0.5f}) {
        plugin.set(kDivisionNum, outside);
        EXPECT_EQ(plugin.get(kDivisionNum), outside);
        EXPECT_EQ(plugin.display(kDivisionNum), "1");
        EXPECT_EQ(plugin.get(kDivisionNum), 0.0f);
    }
    plugin.setProgram(13);
    plugin.setProgram(0);
    EXPECT_EQ(plugin.get(kDivisionNum), -0.5f);
}

}  // namespace
