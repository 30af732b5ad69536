// Every opcode's answer, including those the plug-in leaves to the defaults.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "params/ParameterIds.h"
#include "tests/host/TestHost.h"

namespace {

// Every opcode asked with null pointers and zeros: what is not listed answers
// 0, text requests without a buffer are ignored, and without a parent window
// no editor is made. Programs are never chunks.
TEST(Dispatcher, AnswersOfEveryOpcodeAndTheTextsTheyWrite) {
    TestHost host;
    PluginInstance plugin(host);
    const std::map<VstInt32, VstIntPtr> answers = {
        {effIdentify, fourCharCode('N', 'v', 'E', 'f')}, {effKeysRequired, 1},
        {effGetCurrentMidiProgram, -1}, {effGetNumProgramCategories, 1}, {effConnectInput, 1},
        {effConnectOutput, 1}, {effCanBeAutomated, 1}, {effSetBlockSizeAndSampleRate, 1},
        {effProcessEvents, 1}, {effSetEditKnobMode, 1}, {effGetVendorVersion, 1000},
        {effGetPlugCategory, kPlugCategEffect}, {effGetVstVersion, 2300}};
    const float length = plugin.get(kLength);
    for (VstInt32 opcode = -1; opcode <= effLastOpcode + 2; ++opcode) {
        if (opcode == effClose) continue;
        const auto known = answers.find(opcode);
        EXPECT_EQ(plugin.dispatch(opcode), known == answers.end() ? 0 : known->second) << opcode;
    }
    EXPECT_EQ(plugin.dispatch(1000), 0);
    EXPECT_EQ(plugin.get(kLength), length);
    EXPECT_EQ(plugin.programName(), "Touch Rec - use length");

    char text[256] = {};
    for (auto [opcode, expected] : {std::pair{effGetEffectName, "Zarvoline"},
                                    {effGetProductString, "Zarvoline"},
                                    {effGetVendorString, "Velmora"}}) {
        EXPECT_EQ(plugin.dispatch(opcode, 0, 0, text), 1);
        EXPECT_STREQ(text, expected);
    }
    EXPECT_EQ(plugin.dispatch(effSetTotalSampleToProcess, 0, 4711), 4711);
    // canDo is exact and case-sensitive.
    for (auto [what, answer] : {std::pair<std::string, VstIntPtr>{"receiveVstEvents", 1},
                                {"receiveVstMidiEvent", 1}, {"receiveVstTimeInfo", 1},
                                {"sendVstMidiEvent", -1}, {"receivevstevents", -1},
                                {"receiveVstEvents ", -1}})
        EXPECT_EQ(plugin.dispatch(effCanDo, 0, 0, what.data()), answer) << what;
    for (VstInt32 index : {40, 63, 500}) EXPECT_EQ(plugin.dispatch(effCanBeAutomated, index), 1);
    void* chunk = &plugin;
    EXPECT_EQ(plugin.dispatch(effGetChunk, 0, 0, &chunk), 0);
    void* inputs = &plugin;
    void* outputs = &plugin;
    plugin.dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&inputs), &outputs);
    EXPECT_EQ(inputs, nullptr);
    EXPECT_EQ(outputs, nullptr);
    // The editor's size is known before any window exists.
    ERect* rect = nullptr;
    EXPECT_EQ(plugin.dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ((std::array{rect->top, rect->left, rect->bottom, rect->right}),
              (std::array<int16_t, 4>{0, 0, 400, 400}));

    // Program names are cut to 23 characters; indexed ones exist only in range.
    EXPECT_EQ(plugin.text(effGetProgramNameIndexed, 3), "Time scale - use TRA,le");
    std::string longName = "A name far longer than any host field allows";
    plugin.dispatch(effSetProgramName, 0, 0, longName.data());
    EXPECT_EQ(plugin.programName(), longName.substr(0, 23));
    EXPECT_EQ(plugin.text(effGetProgramNameIndexed, 0), longName.substr(0, 23));
    char untouched[64] = "untouched";
    for (VstInt32 index : {16, -1}) {
        EXPECT_EQ(plugin.dispatch(effGetProgramNameIndexed, index, 0, untouched), 0);
        EXPECT_STREQ(untouched, "untouched");
    }
    EXPECT_EQ(plugin.dispatch(effGetProgramNameIndexed, 3, 0, text), 1);
    EXPECT_EQ(plugin.program(), 0);  // asking does not select
}

}  // namespace
