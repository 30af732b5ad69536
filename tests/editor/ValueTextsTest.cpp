// The Length and Offset display texts at the tempo and rate the host gave.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "editor/DisplayContext.h"
#include "editor/ValueTexts.h"

TEST(ValueTextsTest, SamplesMillisecondsAndLengthInBarsThenNotesThenH) {
    DisplayContext standard;  // 120 BPM at 44.1 kHz: a bar is 88200 samples
    DisplayContext fast, slow;
    fast.sampleRate = 96000.0f;  // the offset reads as at 44.1 kHz all the same
    slow.tempo = 60.0f;          // the same samples are half a bar
    using Converter = void (*)(float, char*, void*);
    for (auto [converter, value, display, shown] :
         {std::tuple<Converter, float, DisplayContext*, const char*>{samplesText, 1234.6f, &standard, "1235"},
          {millisecondsText, 44100.0f, &standard, "1000.00"}, {millisecondsText, 441.0f, &fast, "10.00"},
          {lengthText, 88200.0f, &standard, "1 Bar"}, {lengthText, 100.0f, &standard, "A4"},  // 441 Hz
          {lengthText, 1378.0f, &standard, "C1"},  // just under a 1/64 note is still a note name
          {lengthText, 0.0f, &standard, "h"}, {lengthText, 88200.0f, &slow, "0:4/8"},
          {lengthText, 88200.0f, nullptr, "1 Bar"}}) {  // no context: the defaults
        char text[256] = "unchanged";
        converter(value, text, display);
        EXPECT_EQ(std::string(text), shown) << value;
    }
}
