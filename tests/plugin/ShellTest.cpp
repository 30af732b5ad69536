// The plug-in as a host first meets it: the entry points, the AEffect record,
// and what creating and switching it on ask of the host.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>

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

TEST(Shell, FreshRecordAndWhatCreationAndResumeAskOfTheHost) {
    TestHost host;
    PluginInstance plugin(host);
    EXPECT_EQ((std::array{plugin->numPrograms, plugin->numParams, plugin->numInputs, plugin->numOutputs,
                          plugin->flags, plugin->uniqueID, plugin->version, plugin->initialDelay,
                          plugin->realQualities, plugin->offQualities}),
              (std::array<VstInt32, 10>{16, 41, 2, 2, effFlagsHasEditor | effFlagsCanReplacing,
                                        fourCharCode('Q', 'L', 'X', 'A'), 1, 0, 0, 0}));
    EXPECT_EQ(plugin->ioRatio, 1.0f);
    EXPECT_NE(plugin->object, nullptr);
    EXPECT_EQ(plugin->user, &host);  // untouched by the plug-in
    EXPECT_NE(plugin->processReplacing, nullptr);
    EXPECT_NE(plugin->process, nullptr);

    const auto created = host.calls();
    ASSERT_GE(created.size(), 2u);
    EXPECT_EQ(created[0].opcode, audioMasterVersion);
    EXPECT_EQ(created[1].opcode, audioMasterGetTime);
    EXPECT_EQ(created[1].value, kVstPpqPosValid | kVstTempoValid | kVstBarsValid);

    host.clearCalls();
    plugin.dispatch(effMainsChanged, 0, 1);
    std::vector<std::pair<VstInt32, VstIntPtr>> resumed;
    for (const HostCall& call : host.calls()) resumed.push_back({call.opcode, call.value});
    EXPECT_EQ(resumed, (decltype(resumed){{audioMasterWantMidi, 1}, {audioMasterGetTime, kVstTempoValid}}));

    host.clearCalls();
    plugin.dispatch(effMainsChanged, 0, 0);  // suspend asks nothing
    EXPECT_TRUE(host.calls().empty());
}

}  // namespace
