// The plug-in as a host first meets it: the entry points, the AEffect record,
// the identity answers, and what switching it on asks of the host.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "params/ParameterIds.h"
#include "tests/host/TestHost.h"

namespace {

TEST(Shell, RefusesHostsThatAreNotVst2) {
    TestHost host;
    host.version = 0;
    EXPECT_EQ(host.instantiate(TestHost::pluginEntry()), nullptr);
    // The version is asked first and nothing else happens.
    ASSERT_EQ(host.calls().size(), 1u);
    EXPECT_EQ(host.calls()[0].opcode, audioMasterVersion);
}

TEST(Shell, ExportsBothEntryPointsAndNothingElse) {
    void* library = dlopen(ZARVOLINE_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    auto* vstMain = reinterpret_cast<PluginEntry>(dlsym(library, "VSTPluginMain"));
    auto* plainMain = reinterpret_cast<PluginEntry>(dlsym(library, "main"));
    ASSERT_NE(vstMain, nullptr);
    ASSERT_NE(plainMain, nullptr);
    // Our own classes stay hidden, so they never clash with a host's.
    EXPECT_EQ(dlsym(library, "_ZN12AudioEffectD2Ev"), nullptr);

    for (PluginEntry entry : {vstMain, plainMain}) {
        TestHost host;
        AEffect* effect = host.instantiate(entry);
        ASSERT_NE(effect, nullptr);
        EXPECT_EQ(effect->magic, kEffectMagic);
        EXPECT_EQ(effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f), 1);
    }
    dlclose(library);
}

TEST(Shell, RecordValuesOfAFreshInstance) {
    TestHost host;
    PluginInstance plugin(host);
    EXPECT_EQ(plugin->magic, kEffectMagic);
    EXPECT_EQ(plugin->numPrograms, 16);
    EXPECT_EQ(plugin->numParams, 41);
    EXPECT_EQ(plugin->numInputs, 2);
    EXPECT_EQ(plugin->numOutputs, 2);
    EXPECT_EQ(plugin->flags, effFlagsHasEditor | effFlagsCanReplacing);  // 17
    EXPECT_EQ(plugin->uniqueID, fourCharCode('Q', 'L', 'X', 'A'));
    EXPECT_EQ(plugin->version, 1);
    EXPECT_EQ(plugin->initialDelay, 0);
    EXPECT_EQ(plugin->realQualities, 0);
    EXPECT_EQ(plugin->offQualities, 0);
    EXPECT_EQ(plugin->ioRatio, 1.0f);
    EXPECT_NE(plugin->object, nullptr);
    EXPECT_EQ(plugin->user, &host);  // untouched by the plug-in
    EXPECT_NE(plugin->processReplacing, nullptr);
    EXPECT_NE(plugin->process, nullptr);

    EXPECT_EQ(plugin.program(), 0);
    EXPECT_EQ(plugin.programName(), "Touch Rec - use length");
}

TEST(Shell, IdentityAnswers) {
    TestHost host;
    PluginInstance plugin(host);
    char text[256] = {};
    EXPECT_EQ(plugin.dispatch(effGetEffectName, 0, 0, text), 1);
    EXPECT_STREQ(text, "Zarvoline");
    EXPECT_EQ(plugin.dispatch(effGetProductString, 0, 0, text), 1);
    EXPECT_STREQ(text, "Zarvoline");
    EXPECT_EQ(plugin.dispatch(effGetVendorString, 0, 0, text), 1);
    EXPECT_STREQ(text, "Velmora");
    EXPECT_EQ(plugin.dispatch(effGetVendorVersion), 1000);
    EXPECT_EQ(plugin.dispatch(effGetPlugCategory), kPlugCategEffect);
    EXPECT_EQ(plugin.dispatch(effGetVstVersion), 2300);
}

TEST(Shell, ConstructionAsksForTimeOnceAndResumeRegistersForMidiFirst) {
    TestHost host;
    PluginInstance plugin(host);
    const auto created = host.calls();
    ASSERT_GE(created.size(), 2u);
    EXPECT_EQ(created[0].opcode, audioMasterVersion);
    EXPECT_EQ(created[1].opcode, audioMasterGetTime);
    EXPECT_EQ(created[1].value, kVstPpqPosValid | kVstTempoValid | kVstBarsValid);

    host.clearCalls();
    plugin.dispatch(effMainsChanged, 0, 1);
    const auto resumed = host.calls();
    ASSERT_EQ(resumed.size(), 2u);
    EXPECT_EQ(resumed[0].opcode, audioMasterWantMidi);
    EXPECT_EQ(resumed[0].value, 1);
    EXPECT_EQ(resumed[1].opcode, audioMasterGetTime);
    EXPECT_EQ(resumed[1].value, kVstTempoValid);

    host.clearCalls();
    plugin.dispatch(effMainsChanged, 0, 0);  // suspend asks nothing
    EXPECT_TRUE(host.calls().empty());
}

TEST(Shell, HostTempoOfZeroOrBelowMakesNoLength) {
    for (double tempo : {0.0, -120.0}) {
        TestHost host;
        host.time.tempo = tempo;
        PluginInstance plugin(host);
        EXPECT_EQ(plugin.display(kLength), "      0") << tempo;
        // Switching on with a tempo-based pre-roll divides by the tempo kept
        // from before (120), never by this one.
        plugin.set(kRecOffset, 1.0f / 9.0f);
        plugin.set(kRecord, 1.0f);
        EXPECT_EQ(plugin.display(kRecord), "Recording");
    }
    // A slow but positive tempo still gives a bar, halved until it fits.
    TestHost host;
    host.time.tempo = 0.5;
    PluginInstance plugin(host);
    const long frames = std::stol(plugin.display(kLength));
    EXPECT_GT(frames, 100000);
    EXPECT_LT(frames, 200000);
}

}  // namespace
