// Every opcode's answer, including those the plug-in leaves to the defaults.
#include <gtest/gtest.h>

#include <cstring>

#include "params/ParameterIds.h"
#include "tests/host/TestHost.h"

namespace {

TEST(Dispatcher, CanDoIsExactAndCaseSensitive) {
    TestHost host;
    PluginInstance plugin(host);
    auto canDo = [&](const char* what) {
        std::string text = what;
        return plugin.dispatch(effCanDo, 0, 0, text.data());
    };
    EXPECT_EQ(canDo("receiveVstEvents"), 1);
    EXPECT_EQ(canDo("receiveVstMidiEvent"), 1);
    EXPECT_EQ(canDo("receiveVstTimeInfo"), 1);
    EXPECT_EQ(canDo("sendVstMidiEvent"), -1);
    EXPECT_EQ(canDo("receivevstevents"), -1);
    EXPECT_EQ(canDo("receiveVstEvents "), -1);
    EXPECT_EQ(canDo(""), -1);
}

TEST(Dispatcher, IndexedProgramNamesNeedAValidIndexAndABuffer) {
    TestHost host;
    PluginInstance plugin(host);
    EXPECT_EQ(plugin.programNameIndexed(3), "Time scale - use TRA,le");
    EXPECT_EQ(plugin.programNameIndexed(13), "QLX-13");
    char text[64] = "untouched";
    for (VstInt32 index : {16, -1, 1000}) {
        EXPECT_EQ(plugin.dispatch(effGetProgramNameIndexed, index, 0, text), 0);
        EXPECT_STREQ(text, "untouched");
    }
    EXPECT_EQ(plugin.dispatch(effGetProgramNameIndexed, 3, 0, nullptr), 0);
    EXPECT_EQ(plugin.dispatch(effGetProgramNameIndexed, 3, 0, text), 1);
    EXPECT_EQ(plugin.program(), 0);  // asking does not select
}

TEST(Dispatcher, ProgramNamesAreCutTo23Characters) {
    TestHost host;
    PluginInstance plugin(host);
    std::string longName = "A name far longer than any host field allows";
    plugin.dispatch(effSetProgramName, 0, 0, longName.data());
    EXPECT_EQ(plugin.programName(), longName.substr(0, 23));
    EXPECT_EQ(plugin.programNameIndexed(0), longName.substr(0, 23));
}

TEST(Dispatcher, FixedAnswers) {
    TestHost host;
    PluginInstance plugin(host);
    EXPECT_EQ(plugin.dispatch(effIdentify), fourCharCode('N', 'v', 'E', 'f'));
    EXPECT_EQ(plugin.dispatch(effKeysRequired), 1);
    EXPECT_EQ(plugin.dispatch(effGetCurrentMidiProgram), -1);
    EXPECT_EQ(plugin.dispatch(effSetTotalSampleToProcess, 0, 4711), 4711);
    EXPECT_EQ(plugin.dispatch(effGetNumProgramCategories), 1);
    EXPECT_EQ(plugin.dispatch(effConnectInput, 0, 1), 1);
    EXPECT_EQ(plugin.dispatch(effConnectOutput, 1, 1), 1);
    for (VstInt32 index : {0, 40, 41, 63, 500}) EXPECT_EQ(plugin.dispatch(effCanBeAutomated, index), 1);
    EXPECT_EQ(plugin.dispatch(effSetBlockSizeAndSampleRate, 0, 512, nullptr, 48000.0f), 1);
    VstEvents none{};
    EXPECT_EQ(plugin.dispatch(effProcessEvents, 0, 0, &none), 1);
    EXPECT_EQ(plugin.dispatch(effGetProgram), 0);
    EXPECT_EQ(plugin.dispatch(effOpen), 0);
    EXPECT_EQ(plugin.dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f), 0);
    EXPECT_EQ(plugin.dispatch(effSetBlockSize, 0, 64), 0);
}

TEST(Dispatcher, EverythingElseAnswersZeroAndChangesNothing) {
    TestHost host;
    PluginInstance plugin(host);
    void* chunk = &plugin;
    EXPECT_EQ(plugin.dispatch(effGetChunk, 0, 0, &chunk), 0);  // programs are never chunks
    EXPECT_EQ(plugin.dispatch(effSetChunk, 0, 16, chunk), 0);
    void* inputs = &plugin;
    void* outputs = &plugin;
    EXPECT_EQ(plugin.dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&inputs),
                              &outputs),
              0);
    EXPECT_EQ(inputs, nullptr);
    EXPECT_EQ(outputs, nullptr);

    // The editor's size is known before any window exists; without a
    // parent window none is made, and the window opcodes do nothing.
    ERect* rect = nullptr;
    EXPECT_EQ(plugin.dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 400);
    EXPECT_EQ(rect->right, 400);
    EXPECT_EQ(plugin.dispatch(effEditGetRect, 0, 0, nullptr), 0);
    for (VstInt32 opcode : {effEditOpen, effEditClose, effEditIdle, effEditKeyDown, effEditKeyUp,
                            effEditDraw, effEditMouse, effEditKey, effEditTop, effEditSleep})
        EXPECT_EQ(plugin.dispatch(opcode, 'a', 1, nullptr, 0.0f), 0) << opcode;
    EXPECT_EQ(plugin.dispatch(effSetEditKnobMode, 0, 2), 1);
    EXPECT_EQ(plugin.dispatch(effSetEditKnobMode, 0, 0), 1);

    const float before = plugin.get(kLength);
    for (VstInt32 opcode : std::initializer_list<VstInt32>{effGetVu, effString2Parameter, effCopyProgram, effGetInputProperties,
                            effGetOutputProperties, effGetCurrentPosition, effGetDestinationBuffer,
                            effOfflineNotify, effOfflinePrepare, effOfflineRun, effProcessVarIo,
                            effSetSpeakerArrangement, effSetBypass, effGetErrorText,
                            effVendorSpecific, effGetTailSize, effIdle, effGetIcon,
                            effSetViewPosition, effGetParameterProperties, effGetMidiProgramName,
                            effGetMidiProgramCategory, effHasMidiProgramsChanged,
                            effGetMidiKeyName, effBeginSetProgram, effEndSetProgram,
                            effShellGetNextPlugin, effStartProcess, effStopProcess, effSetPanLaw,
                            effBeginLoadBank, effBeginLoadProgram, VstInt32{77}, VstInt32{1000}, VstInt32{-1}})
        EXPECT_EQ(plugin.dispatch(opcode), 0) << opcode;
    EXPECT_EQ(plugin.get(kLength), before);
    EXPECT_EQ(plugin.program(), 0);
}

TEST(Dispatcher, TextRequestsWithoutABufferAreIgnored) {
    TestHost host;
    PluginInstance plugin(host);
    for (VstInt32 opcode : {effGetProgramName, effSetProgramName, effGetParamLabel,
                            effGetParamDisplay, effGetParamName, effGetEffectName,
                            effGetVendorString, effGetProductString, effCanDo})
        plugin.dispatch(opcode, 0, 0, nullptr);
    EXPECT_EQ(plugin.programName(), "Touch Rec - use length");
}

TEST(Dispatcher, CloseDeletesTheInstanceAndAnswersOne) {
    TestHost host;
    AEffect* effect = host.instantiate(TestHost::pluginEntry());
    ASSERT_NE(effect, nullptr);
    // The sanitizer build reports the instance as leaked if close did not delete it.
    EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
}

}  // namespace
