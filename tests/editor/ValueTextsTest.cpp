// The Length and Offset display texts at the tempo and rate the host gave.
#include <gtest/gtest.h>

#include <string>

#include "editor/DisplayContext.h"
#include "editor/ValueTexts.h"

namespace {

std::string convert(void (*converter)(float, char*, void*), float value, DisplayContext* display) {
    char text[256] = "unchanged";
    converter(value, text, display);
    return text;
}

TEST(ValueTextsTest, SamplesAndMillisecondsAtAFixedRate) {
    DisplayContext display;
    EXPECT_EQ(convert(samplesText, 1234.6f, &display), "1235");
    EXPECT_EQ(convert(millisecondsText, 44100.0f, &display), "1000.00");
    display.sampleRate = 96000.0f;  // the offset reads as at 44.1 kHz all the same
    EXPECT_EQ(convert(millisecondsText, 441.0f, &display), "10.00");
}

TEST(ValueTextsTest, LengthReadsInBarsThenNotesThenH) {
    DisplayContext display;  // 120 BPM at 44.1 kHz: a bar is 88200 samples
    EXPECT_EQ(convert(lengthText, 88200.0f, &display), "1 Bar");
    EXPECT_EQ(convert(lengthText, 100.0f, &display), "A4");  // 441 Hz
    EXPECT_EQ(convert(lengthText, 1.0f, &display), "h");
    EXPECT_EQ(convert(lengthText, 0.0f, &display), "h");
    // Just under a 1/64 note (1378.1 samples) is still a note name.
    EXPECT_EQ(convert(lengthText, 1378.0f, &display).find("Bar"), std::string::npos);
    // At half the tempo the same samples are half a bar.
    display.tempo = 60.0f;
    EXPECT_EQ(convert(lengthText, 88200.0f, &display), "0:4/8");
    EXPECT_EQ(convert(lengthText, 88200.0f, nullptr), "1 Bar");  // no context: the defaults
}

}  // namespace
