// zarvoline-validate: loads any VST 2 library and checks it the way hosts
// and plug-in validators exercise one. Exit code 0 when every check passed,
// 1 when one failed, 2 when the library cannot be checked at all. A check
// named with --expect-fail is a known finding: it must fail, and does not
// count. --fuzz SEED STEPS [PLUGIN] runs a hostile host's random walk instead
// (Fuzz.h).
#include <csignal>
#include <cstring>
#include <exception>
#include <unistd.h>

#include "tests/validator/ClapProcessor.h"
#include "tests/validator/Fuzz.h"
#include "tests/validator/Validator.h"
#include "tools/cli/CommandLine.h"

#if defined(__SANITIZE_THREAD__)
// The second-thread check is meant to stop at the first report.
extern "C" __attribute__((visibility("default"))) const char* __tsan_default_options() { return "halt_on_error=1"; }
#endif

using namespace validator;

// A plug-in that crashes takes the validator with it; the report still names
// the check that was running. The sanitizers keep their own handlers, which
// say more.
static const char* volatile runningCheck = nullptr;

[[maybe_unused]] static void onCrash(int signal) {
    char line[512];
    const int length = std::snprintf(line, sizeof line, "FAIL %s: crashed (%s)\n",
                                     runningCheck ? runningCheck : "loading", strsignal(signal));
    if (length > 0) (void)!write(STDOUT_FILENO, line, static_cast<size_t>(length));
    _exit(1);
}

Report::Report(std::vector<std::string> expectedFailures) : expectedFailures_(std::move(expectedFailures)) {
#if !defined(ZARVOLINE_SANITIZED)
    for (int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) std::signal(signal, onCrash);
#endif
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
}

void Report::run(const std::string& name, const std::function<std::string()>& check) {
    std::string why;
    runningCheck = name.c_str();
    try { why = check(); } catch (const std::exception& error) { why = error.what(); }
    runningCheck = nullptr;
    const bool expected = std::ranges::count(expectedFailures_, name) > 0, failed = !why.empty();
    if (!failed && !expected) ++passed_;
    if (failed != expected) ++failed_;
    if (!failed && expected) why = "expected to fail";
    const char* verdict = failed ? (expected ? "XFAIL" : "FAIL") : (expected ? "XPASS" : "PASS");
    std::printf("%s %s%s%s\n", verdict, name.c_str(), why.empty() ? "" : ": ", why.c_str());
}

// The command line, in one place: the usage line is also the message of a wrong one.
static constexpr const char* kUsageLine = "usage: zarvoline-validate [--expect-fail CHECK]... [--] PLUGIN.so|PLUGIN.clap\n";
static const cli::Program kProgram{"zarvoline-validate", std::string(kUsageLine) +
    "       zarvoline-validate --fuzz SEED STEPS [PLUGIN.so]\n"
    "\n"
    "Loads a VST 2 library and checks it the way hosts and plug-in validators\n"
    "exercise one, printing PASS or FAIL and a reason for each check. A CLAP\n"
    "plug-in (a file named .clap) gets the checks that hold for any format:\n"
    "parameters, processing and real time.\n"
    "\n"
    "  --expect-fail CHECK  a known finding: the check must fail and does not count\n"
    "  --fuzz SEED STEPS    a hostile host's seeded random walk of STEPS steps\n"
    "  --help, --version    this text, or the version; \"--\" ends the options\n"
    "\n"
    "Exit status: 0 every check passed, 1 one failed, 2 a wrong command line or a\n"
    "library that cannot be checked.\n"};

static bool isClapFile(const std::string& path) {
    return path.size() > 5 && path.compare(path.size() - 5, 5, ".clap") == 0;
}

// The checks that hold for any plug-in, on the first plug-in of a CLAP library.
static int validateClap(const char* path, std::vector<std::string> expectedFailures) {
    std::string error;
    const clap_plugin_entry_t* entry = openClapLibrary(path, error);
    if (!entry) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    const MakeProcessor make = [entry](unsigned seed, bool started) -> std::unique_ptr<Processor> {
        return std::make_unique<ClapProcessor>(*entry, seed, started);
    };
    try {
        std::printf("%s: %d parameters (CLAP)\n", path, make(0, false)->parameterCount());
    } catch (const std::exception& refused) {
        std::fprintf(stderr, "%s: %s\n", path, refused.what());
        return 2;
    }
    Report report(std::move(expectedFailures));
    checkParameters(make, report);
    checkProcessing(make, report);
    const int status = report.finish();
    entry->deinit();
    return status;
}

int main(int argc, char** argv) {
    // --help, --version and "--" as every program we ship reads them.
    std::optional<cli::Arguments> arguments = cli::readArguments(kProgram, argc, argv);
    if (!arguments) return 0;
    std::vector<char*> args = arguments->argv(kProgram.name);
    argc = static_cast<int>(args.size()) - 1;
    argv = args.data();

    if (argc > 1 && std::strcmp(argv[1], "--fuzz") == 0) return runFuzz(argc - 2, argv + 2);
    std::vector<std::string> expectedFailures;
    int at = 1;
    for (; at + 1 < argc && std::strcmp(argv[at], "--expect-fail") == 0; at += 2)
        expectedFailures.push_back(argv[at + 1]);
    if (at != argc - 1) {
        std::fputs(kUsageLine, stderr);
        return 2;
    }
    const char* path = argv[at];
    if (isClapFile(path)) return validateClap(path, std::move(expectedFailures));
    std::string error;
    const auto library = PluginLibrary::open(path, error);
    if (!library) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    try {
        Instance probe(library->entry());
        std::printf("%s: %d parameters, %d programs, %d in, %d out, flags 0x%x\n", path, probe->numParams,
                    probe->numPrograms, probe->numInputs, probe->numOutputs, static_cast<unsigned>(probe->flags));
    } catch (const std::exception& refused) {
        std::fprintf(stderr, "%s: %s\n", path, refused.what());
        return 2;
    }
    Report report(std::move(expectedFailures));
    const PluginEntry entry = library->entry();
    const MakeProcessor make = [entry](unsigned seed, bool started) -> std::unique_ptr<Processor> {
        return std::make_unique<Instance>(entry, seed, started);
    };
    checkInstances(entry, report);
    checkParameters(make, report);
    checkParameterTexts(entry, report);
    checkProcessing(make, report);
    checkState(entry, report);
    return report.finish();
}
