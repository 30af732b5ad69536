// A validation run: checks grouped in areas, each area making every instance
// it needs from the library's entry point, on a host whose clock the checks
// script. A check answers why it failed, or nothing; an exception it lets out
// is a failure too. Nothing here assumes anything about the plug-in beyond its
// AEffect record.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <random>
#include <ranges>
#include <string>
#include <vector>

#include "tests/validator/CountedAllocations.h"
#include "tests/validator/Processor.h"
#include "tools/host/PluginLibrary.h"

namespace validator {

// One line per check ("PASS name", "FAIL name: why" or "SKIP name (why)"),
// then "N passed, N failed". A check named as an expected failure prints
// XFAIL and is not counted when it fails, and XPASS, counted as failed, when
// it passes.
class Report {
public:
    explicit Report(std::vector<std::string> expectedFailures);
    void run(const std::string& name, const std::function<std::string()>& check);
    void skip(const std::string& name, const std::string& why) {
        std::printf("SKIP %s (%s)\n", name.c_str(), why.c_str());
    }
    int finish() const {  // the exit code: 1 if anything failed
        std::printf("%d passed, %d failed\n", passed_, failed_);
        return failed_ == 0 ? 0 : 1;
    }

private:
    int passed_ = 0, failed_ = 0;
    std::vector<std::string> expectedFailures_;
};

// The checks of the VST 2 interface itself.
void checkInstances(PluginEntry entry, Report& report);  // lifecycle, then the dispatcher
void checkParameterTexts(PluginEntry entry, Report& report);
void checkState(PluginEntry entry, Report& report);
// The checks that hold for a plug-in of any format.
void checkParameters(const MakeProcessor& make, Report& report);
void checkProcessing(const MakeProcessor& make, Report& report);  // processing, then real time

// The first fault `check` finds going through `items`, or empty.
template <class Items, class Check> std::string firstFault(const Items& items, Check check) {
    for (const auto& item : items)
        if (std::string why = check(item); !why.empty()) return why;
    return {};
}

// 0 to `end` - 1; nothing for a count a broken record makes negative. A
// range of its own: clang 14 cannot compile libstdc++ 12's std::views::iota.
class IndexRange {
public:
    struct Iterator {
        int index;
        int operator*() const { return index; }
        Iterator& operator++() {
            ++index;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return index != other.index; }
    };
    explicit IndexRange(int count) : count(std::max(count, 0)) {}
    Iterator begin() const { return {0}; }
    Iterator end() const { return {count}; }

private:
    int count;
};

inline IndexRange upTo(int end) { return IndexRange(end); }

// `why` after what it happened in; empty when there was no fault.
inline std::string within(const std::string& context, const std::string& why) {
    return why.empty() ? why : context + ": " + why;
}

// 44100 Hz, 120 BPM in 4/4, transport playing from 0.
struct ValidatorHost : Host {
    ValidatorHost();
    VstIntPtr onHostCall(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) override;

    VstTimeInfo time{};
    bool provideTime = true;  // false answers audioMasterGetTime with null
    std::atomic<bool> askedForMidi{false};
};

// A VST 2 instance from entry point to effClose on a host of its own, open
// and, if `started`, resumed at 44100 Hz; its input noise seeded with `seed`.
class Instance final : public Processor {
public:
    explicit Instance(PluginEntry entry, unsigned seed = 0, bool started = false);  // throws when refused
    ~Instance() override;

    ValidatorHost host;
    AEffect* operator->() const { return effect_; }
    VstIntPtr call(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                   float opt = 0.0f) const {
        return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
    }
    void set(VstInt32 parameter, float value) const { effect_->setParameter(effect_, parameter, value); }
    float get(VstInt32 parameter) const { return effect_->getParameter(effect_, parameter); }
    std::vector<float> parameters() const {
        std::vector<float> values;
        for (VstInt32 p = 0; p < effect_->numParams; ++p) values.push_back(get(p));
        return values;
    }

    int parameterCount() const override { return effect_->numParams; }
    void setParameter(int index, float value) override { set(index, value); }
    float parameter(int index) const override { return get(index); }
    std::string parameterTextFault(int index) const override;
    int programCount() const override { return effect_->numPrograms; }
    void selectProgram(int program) override { call(effSetProgram, 0, program); }
    Transport transport() const override;
    void setTransport(const Transport& transport) override;
    void resume() override { call(effMainsChanged, 0, 1); }
    void suspend() override { call(effMainsChanged, 0, 0); }

private:
    void configure(double sampleRate, int maxBlock) override;
    int inputCount() const override { return effect_->numInputs; }
    int outputCount() const override { return effect_->numOutputs; }
    void process(float** inputs, float** outputs, int frames, int blockNumber) override;
    void sendMidi(int frames, int blockNumber);

    AEffect* effect_;
    bool wantsMidi_ = false;
    struct { VstInt32 numEvents; VstIntPtr reserved; VstEvent* events[4]; } midiList_{};
    VstMidiEvent midi_[4]{};
};

// Asks for a text into a buffer much larger than `limit` and filled with a
// marker: the fault if it is unterminated within `limit` bytes or wrote past
// them; otherwise empty, with the text in `text`.
std::string textFault(const Instance& instance, VstInt32 opcode, VstInt32 index, size_t limit,
                      std::string* text = nullptr);
// Parameter `index`'s name, label and display fit 24 bytes, and a real
// parameter's display is never empty.
std::string parameterTextFault(const Instance& instance, VstInt32 index);

}  // namespace validator
