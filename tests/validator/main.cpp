// zarvoline-validate: loads any VST 2 library and checks it the way hosts
// and plug-in validators exercise one. Exit code 0 when every check passed,
// 1 when one failed, 2 when the library cannot be checked at all. A check
// named with --expect-fail is a known finding: it must fail, and does not
// count.
#include <cstdio>
#include <cstring>
#include <exception>

#include "tests/validator/Checks.h"

#if defined(__SANITIZE_THREAD__)
// The second-thread check is meant to stop at the first report.
extern "C" const char* __tsan_default_options() { return "halt_on_error=1"; }
#endif

int main(int argc, char** argv) {
    std::vector<std::string> expectedFailures;
    int at = 1;
    for (; at + 1 < argc && std::strcmp(argv[at], "--expect-fail") == 0; at += 2)
        expectedFailures.push_back(argv[at + 1]);
    if (at != argc - 1) {
        const char* program = argc > 0 ? argv[0] : "zarvoline-validate";
        std::fprintf(stderr, "usage: %s [--expect-fail CHECK]... PLUGIN.so\n", program);
        return 2;
    }
    const char* path = argv[at];
    std::string error;
    const auto library = PluginLibrary::open(path, error);
    if (!library) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    try {
        validator::Instance probe(library->entry());
        std::printf("%s: %d parameters, %d programs, %d in, %d out, flags 0x%x\n", path, probe->numParams,
                    probe->numPrograms, probe->numInputs, probe->numOutputs, static_cast<unsigned>(probe->flags));
    } catch (const std::exception& refused) {
        std::fprintf(stderr, "%s: %s\n", path, refused.what());
        return 2;
    }
    using namespace validator;
    Report report(std::move(expectedFailures));
    for (auto area : {checkLifecycle, checkDispatcher, checkParameters, checkProcessing, checkRealTime, checkState})
        area(library->entry(), report);
    return report.finish();
}
