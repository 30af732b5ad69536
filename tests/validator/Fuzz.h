// zarvoline-validate --fuzz SEED STEPS [PLUGIN]: a hostile host's random
// walk over up to four instances of a VST 2 library. Each step does one
// thing a host may do, with sensible or hostile arguments: an opcode of the
// dispatcher, a parameter set to any float, a block of 0 to 20,000 frames
// with odd or missing time information, a batch of damaged MIDI, the editor
// opened, idled and closed in a real X window (when DISPLAY names a server).
// A step fails when an output sample is not a number within -1...1, a
// canary behind a buffer was written, an input was changed, a top-level
// window appeared, it crashed or it ran too long. The walk draws every choice
// from its seed alone, so running the same SEED with STEPS up to the failing
// step replays the failure.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/validator/Validator.h"

namespace validator::fuzz {

// What a step throws when it found a fault.
struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The walk's random choices, all from the seed.
class Dice {
public:
    explicit Dice(uint64_t seed) : engine_(seed) {}
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    float unit() { return std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_); }
    template <typename T>
    T pick(std::span<const T> choices) {
        return choices[static_cast<size_t>(between(0, static_cast<int>(choices.size()) - 1))];
    }
    template <typename T, size_t N>
    T pick(const T (&choices)[N]) {
        return pick(std::span<const T>(choices, N));
    }
    // A value for setParameter: mostly within 0...1, often far outside it.
    float parameterValue();
    // A float argument where a host should give a sample rate, a key modifier...
    float hostileFloat();

private:
    std::mt19937_64 engine_;
};

class HostWindows;

// The events of the last effProcessEvents, alive until the next one as hosts
// keep them.
struct EventBatch {
    std::vector<VstMidiEvent> midi;
    std::vector<std::vector<char>> sysex;  // each an event record followed by its dump
    std::vector<VstEvent*> pointers;
    std::vector<VstIntPtr> list;  // the VstEvents record with room for every pointer
};

// One instance as the walk holds it.
struct Plugin {
    explicit Plugin(PluginEntry entry) : instance(entry) {}
    Instance instance;
    AEffect* effect() const { return instance.operator->(); }
    int announcedBlock = 512;
    bool editorOpen = false;
    uintptr_t hostWindow = 0;  // the X window the host gave the editor, 0 for none
    EventBatch events;
};

// The kinds of step, for the report of a failing step.
enum class Action { kCreate, kClose, kDispatch, kParameter, kProcess, kTime, kMidi, kEditor, kExit };
const char* actionName(Action action);

// The steps (each throws Fault on a fault).
void dispatchAny(Plugin& plugin, Dice& dice, HostWindows* windows);
void setAnyParameter(Plugin& plugin, Dice& dice);
void processBlock(Plugin& plugin, Dice& dice);
void changeTime(Plugin& plugin, Dice& dice);
void sendMidi(Plugin& plugin, Dice& dice);
void driveEditor(Plugin& plugin, Dice& dice, HostWindows* windows);
// Closes the editor (sometimes after destroying the host's window first)
// and the host window, as a host closing the instance does.
void letGoOfEditor(Plugin& plugin, Dice& dice, HostWindows* windows);

// A watchdog that ends the process when one step runs too long, and a crash
// report, both naming the seed and the step.
void watchSteps(uint64_t seed, const std::string& replay);
void stepStarts(long step, Action action);
void stepsEnd();
// Reports the running step's fault, with the replay command, and exits with 1.
[[noreturn]] void failStep(const char* why);
// How long one step may take here, in seconds (longer under the sanitizers).
double stepLimitSeconds();

}  // namespace validator::fuzz

namespace validator {
// The walk, from the arguments after --fuzz: SEED STEPS [PLUGIN]. Exit code
// 0 when every step ran clean, 1 at the first fault, 2 for bad arguments or
// a library that cannot be loaded.
int runFuzz(int argc, char** argv);
}  // namespace validator
