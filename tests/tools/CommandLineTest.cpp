// The conventions of every program we ship: --help and --version answer on
// standard output with status 0 and do nothing else, "--" ends the options,
// and a command line that makes no sense is one line on standard error and
// status 2.
#include <gtest/gtest.h>

#include <sndfile.h>

#include "tests/tools/CommandFiles.h"

namespace {

struct Program {
    const char* name;
    const char* path;
    std::vector<std::string> files;  // names starting with "-", given after "--"
    const char* written;             // the file that appears, if any
};

using CommandLine = ScratchDir;

TEST_F(CommandLine, EveryProgramAnswersHelpAndVersionAndTakesFilesAfterDashes) {
    writeWav(path("-in.wav"), testSignal(2, 8000, 800), SF_FORMAT_FLOAT);
    const Program programs[] = {
        {"zarvoline-render", ZARVOLINE_RENDER_PATH, {"-in.wav", "-out.wav"}, "-out.wav"},
        {"zarvoline-panel", ZARVOLINE_PANEL_PATH, {"-panel.png"}, "-panel.png"},
        {"make-demo-loop", ZARVOLINE_DEMO_LOOP_PATH, {"-loop.wav"}, "-loop.wav"},
        {"zarvoline-validate", ZARVOLINE_VALIDATE_PATH, {"-missing.so"}, nullptr},
    };
    for (const Program& program : programs) {
        SCOPED_TRACE(program.name);
        const std::string name = program.name;
        const CommandResult help = run(program.path, {"in.wav", "--help", "out.wav"});
        EXPECT_EQ(help.exitStatus, 0);
        EXPECT_EQ(help.out.rfind("usage: " + name + " ", 0), 0u) << help.out;
        EXPECT_EQ(help.err, "");
        const CommandResult version = run(program.path, {"--version", "out.png"});
        EXPECT_EQ(version.exitStatus, 0);
        EXPECT_EQ(version.out, name + " (Zarvoline) " ZARVOLINE_VERSION "\n");

        std::vector<std::string> dashes{"--"};
        dashes.insert(dashes.end(), program.files.begin(), program.files.end());
        const CommandResult files = run(program.path, dashes);
        if (program.written) {
            EXPECT_EQ(files.exitStatus, 0) << files.err;
            EXPECT_TRUE(std::filesystem::exists(path(program.written)));
        } else {  // the validator cannot load a library that is not there
            EXPECT_EQ(files.exitStatus, 2);
            EXPECT_NE(files.err.find(program.files[0]), std::string::npos) << files.err;
        }
        const CommandResult unknown = run(program.path, {"--frobnicate", "out.wav"});
        EXPECT_EQ(unknown.exitStatus, 2);
        EXPECT_EQ(unknown.errLines(), 1) << unknown.err;
        EXPECT_NE(unknown.err.find(name), std::string::npos) << unknown.err;
    }
    // --help, --version and the unknown option wrote nothing.
    EXPECT_EQ(files(), (std::vector<std::string>{"-in.wav", "-loop.wav", "-out.wav", "-panel.png"}));
}

}  // namespace
