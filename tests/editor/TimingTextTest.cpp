// The Length display's texts: lengths in bars, eighths and sixty-fourths, and
// loops short enough to be heard as a tone named as their note.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "editor/TimingText.h"

namespace {

std::string barText(float frames, float rate = 44100.0f, float tempo = 120.0f) {
    char text[64];
    formatBarPosition(frames, rate, tempo, text, sizeof text);
    return text;
}

std::string noteText(double note, bool flats) {
    char text[64];
    formatNoteName(note, flats, text, sizeof text);
    return text;
}

TEST(TimingText, LengthsInBarsAndNotes) {
    EXPECT_EQ(barText(132300), "1:4/8");
    EXPECT_EQ(barText(1378), "0:1/64");
    EXPECT_EQ(barText(100), "0 Bar");
    EXPECT_EQ(barText(88200 + 11025 * 3 + 1378 * 2), "1:3/8:2/64");
    EXPECT_EQ(barText(88200, 44100.0f, 0.0f), "0 Bar");  // no tempo: nothing to count in

    EXPECT_NEAR(frequencyToNote(44100.0 / 100.0), 57.04, 0.01);
    EXPECT_EQ(noteText(frequencyToNote(440.0 * std::pow(2.0, 1.0 / 12.0)), true), "Bb4");
    EXPECT_EQ(noteText(frequencyToNote(440.0 * std::pow(2.0, 1.0 / 12.0)), false), "A#4");
    EXPECT_EQ(noteText(0.0, false), "C0");
    EXPECT_EQ(noteText(-3.0, false), "0");  // below the lowest C: no name
}

}  // namespace
