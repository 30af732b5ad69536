// The walk itself: up to four instances, each step picking one (making it if
// its place is empty) and doing one thing to it, until STEPS steps ran clean
// or one found a fault.
#include <unistd.h>

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/validator/Fuzz.h"
#include "tests/validator/FuzzWindows.h"

namespace validator::fuzz {

namespace {

constexpr int kInstances = 4;

class Walk {
public:
    Walk(PluginEntry entry, uint64_t seed, HostWindows* windows) : entry_(entry), dice_(seed), windows_(windows) {}

    void step(long number);
    // Closes every instance left, as a host that quits.
    void closeAll();

private:
    void create(int slot);
    void close(int slot);

    PluginEntry entry_;
    Dice dice_;
    HostWindows* windows_;
    std::array<std::unique_ptr<Plugin>, kInstances> plugins_;
};

void Walk::step(long number) {
    const int slot = dice_.between(0, kInstances - 1);
    if (!plugins_[size_t(slot)]) {
        stepStarts(number, Action::kCreate);
        create(slot);
        return;
    }
    Plugin& plugin = *plugins_[size_t(slot)];
    const int roll = dice_.between(0, 999);
    const Action action = roll < 350   ? Action::kProcess
                          : roll < 600 ? Action::kParameter
                          : roll < 800 ? Action::kDispatch
                          : roll < 880 ? Action::kMidi
                          : roll < 930 ? Action::kTime
                          : roll < 993 ? Action::kEditor
                                       : Action::kClose;
    stepStarts(number, action);
    switch (action) {
        case Action::kProcess: processBlock(plugin, dice_); break;
        case Action::kParameter: setAnyParameter(plugin, dice_); break;
        case Action::kDispatch: dispatchAny(plugin, dice_, windows_); break;
        case Action::kMidi: sendMidi(plugin, dice_); break;
        case Action::kTime: changeTime(plugin, dice_); break;
        case Action::kEditor: driveEditor(plugin, dice_, windows_); break;
        default: close(slot);
    }
}

void Walk::create(int slot) {
    try {
        plugins_[size_t(slot)] = std::make_unique<Plugin>(entry_);
    } catch (const std::runtime_error& refused) {
        throw Fault(refused.what());
    }
    Plugin& plugin = *plugins_[size_t(slot)];
    if (dice_.chance(0.2)) return;  // a host that processes without starting the instance
    plugin.announcedBlock = dice_.pick({64, 256, 512, 1024, 4096});
    plugin.instance.prepare(dice_.pick({44100.0, 48000.0, 96000.0, 22050.0}), plugin.announcedBlock);
    plugin.instance.resume();
}

void Walk::close(int slot) {
    Plugin& plugin = *plugins_[size_t(slot)];
    // Now and then the host leaves its editor open; the instance must close it.
    if (plugin.editorOpen && dice_.chance(0.9)) letGoOfEditor(plugin, dice_, windows_);
    const uintptr_t hostWindow = plugin.hostWindow;
    plugins_[size_t(slot)].reset();  // effMainsChanged 0, effClose
    if (windows_ && hostWindow) windows_->destroy(hostWindow);
}

void Walk::closeAll() {
    for (int slot = 0; slot < kInstances; ++slot)
        if (plugins_[size_t(slot)]) close(slot);
}

// The plug-in built beside this program.
std::string pluginBesideUs() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "zarvoline.so";
    std::string self(path, static_cast<size_t>(length));
    return self.substr(0, self.rfind('/') + 1) + "zarvoline.so";
}

bool readNumber(const char* text, unsigned long long& number) {
    char* end = nullptr;
    errno = 0;
    number = std::strtoull(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && text[0] != '-';
}

}  // namespace

}  // namespace validator::fuzz

int validator::runFuzz(int argc, char** argv) {
    using namespace fuzz;
    unsigned long long seed = 0, steps = 0;
    if (argc < 2 || argc > 3 || !readNumber(argv[0], seed) || !readNumber(argv[1], steps) || steps > LONG_MAX) {
        std::fprintf(stderr, "usage: zarvoline-validate --fuzz SEED STEPS [PLUGIN.so]\n");
        return 2;
    }
    const std::string path = argc == 3 ? argv[2] : pluginBesideUs();
    std::string error;
    const auto library = PluginLibrary::open(path, error);
    if (!library) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const auto windows = HostWindows::connect();
    std::printf("fuzz: seed %llu, %llu steps on %s; the editor %s; a step may take %.0f s\n", seed, steps,
                path.c_str(), windows ? ("in X windows on " + windows->name()).c_str() : "without a window (no DISPLAY)",
                stepLimitSeconds());
    watchSteps(seed, path);
    Walk walk(library->entry(), seed, windows.get());
    long number = 1;
    try {
        for (; number <= static_cast<long>(steps); ++number) walk.step(number);
        stepStarts(--number, Action::kClose);
        walk.closeAll();
    } catch (const Fault& fault) {
        failStep(fault.what());
    }
    stepsEnd();
    std::printf("fuzz: seed %llu: %llu steps ran clean\n", seed, steps);
    return 0;
}
