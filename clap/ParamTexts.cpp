#include "clap/ParamTexts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <strings.h>

#include "clap/ParamShapes.h"
#include "editor/MenuEntries.h"
#include "params/ParameterTable.h"
#include "params/RangeMapper.h"
#include "params/StepMaps.h"
#include "common/Truncate.h"

namespace {

using Names = std::span<const char* const>;

// The names of a stepped parameter's steps, in order. A menu's steps past its
// entries that act like "off" (no grid, no pre-roll, no filter) are called
// "Off"; any other step without a name is shown as its number.
struct StepNames {
    Names names;
    const char* beyond = nullptr;  // the text of the steps past the names, or null for numbers
};

constexpr const char* kWaiting[] = {"Waiting", "Recording"};
constexpr const char* kLooping[] = {"Looping", "Releasing"};
constexpr const char* kOffOn[] = {"Off", "On"};
constexpr const char* kDirections[] = {"Forward", "Alter", "Reverse"};
constexpr const char* kSeries[] = {"1 2 4 8 16", "1 3 5 7 9"};
constexpr const char* kPolarity[] = {"-1.0", "1.0"};
constexpr const char* kPhase[] = {"Down", "Up"};
constexpr const char* kDivisions[] = {"1 or 1", "2 or 3", "4 or 5", "8 or 7", "16 or 9"};
constexpr const char* kRecSyncNames[] = {"Off", "1 Bar 1/1", "Half Bar 1/2", "1/4", "1/8",
                                         "3/2", "1/16",      "1/32",         "1/64", "1/128"};
constexpr const char* kRecOffsetNames[] = {"Off", "1/16", "1/8", "1/4", "1/16 shuffle", "1 ms", "2 ms", "10 ms"};

bool stepNames(int index, StepNames& out) {
    switch (index) {
        case kRecord: out = {kWaiting}; return true;
        case kRelease: out = {kLooping}; return true;
        case kRewind:
        case kClear:
        case kBpmLock:
        case kBpmSync:
        case kOffsetJmpFfw:
        case kOffsetJmpBack:
        case kRepeatLock: out = {kOffOn}; return true;
        case kDirection: out = {kDirections}; return true;
        case kDivisionDenom: out = {kSeries}; return true;
        case kModulatorPhase: out = {kPolarity}; return true;
        case kPitchPhase: out = {kPhase}; return true;
        case kDivisionNum: out = {kDivisions}; return true;
        case kRecSync: out = {kRecSyncNames, "Off"}; return true;
        case kRecOffset: out = {kRecOffsetNames, "Off"}; return true;
        case kLengthQuant: out = {menu_entries::lengthQuant}; return true;
        case kModulatorMode: out = {menu_entries::modulatorMode}; return true;
        case kPitchMode: out = {menu_entries::pitchMode}; return true;
        case kFilterType: out = {menu_entries::filterType, "Off"}; return true;
        case kFilterSpeedSync: out = {menu_entries::filterSpeedSync}; return true;
        case kFilterSpeedRestart: out = {menu_entries::filterSpeedRestart}; return true;
        case kFilterSpeedType: out = {menu_entries::filterSpeedType}; return true;
        default: return false;  // Repeats: its number is its name
    }
}

template <typename... Args>
bool format(char* text, size_t size, const char* pattern, Args... args) {
    if (text == nullptr || size == 0) return false;
    std::snprintf(text, size, pattern, args...);
    return true;
}

// A value that rounds to zero is shown as 0, not "-0.00"; half is half the
// last digit shown.
double unsigned0(double x, double half) { return std::fabs(x) < half ? 0.0 : x; }

constexpr int32_t kModulatorRates[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 64};

bool continuousText(int index, float v, char* text, size_t size) {
    const RangeMapper mapper;
    const double d = v;
    switch (index) {
        case kLength: return format(text, size, "%d samples", mapper.lengthFromNormal(v));
        case kOffset: return format(text, size, "%.2f samples", unsigned0(mapper.offsetFromNormal(v), 0.005));
        case kMix: return format(text, size, "%.2f %%", d);
        case kGate: return format(text, size, "%.f %%", d * d * 100.0);
        case kBitCrush: return format(text, size, "%d bits", truncInt(24.0f - 23.0f * v));
        case kBlend: return format(text, size, "%.f %%", d * 100.0);
        case kModulatorSpeed: return format(text, size, "1/%d Bar", modulatorStepRateFor(v));
        case kPitch: return format(text, size, "%d semitones", truncInt(96.0f * v + 12.0f) - 60);
        case kFilterFreq: return format(text, size, "%.1f Hz", d * d * d * 16000.0 + 10.0);
        case kFilterQ: return format(text, size, "%.2f", d + 0.0001);
        case kFilterGain: return format(text, size, "%.1f dB", unsigned0(d * 32.0 - 16.0, 0.05));
        default: return format(text, size, "%.2f", d);
    }
}

// The core value a number in a continuous parameter's text stands for, well
// inside the values that show that number.
double continuousValue(int index, double x) {
    const RangeMapper mapper;
    switch (index) {
        case kLength: return x < 0.0 ? 0.0 : mapper.lengthToNormal(std::floor(x) + 0.5);
        case kOffset: return mapper.offsetToNormal(x);
        case kGate: return x <= 0.0 ? 0.0 : std::sqrt(x / 100.0);
        case kBitCrush: return (23.5 - std::floor(x)) / 23.0;
        case kBlend: return x / 100.0;
        case kModulatorSpeed: {
            int k = 0;
            while (k < 11 && kModulatorRates[k] < x) ++k;
            return k == 11 ? 1.0 : (k + 0.5) / 11.0;
        }
        case kPitch: return std::floor(x) >= 48.0 ? 1.0 : (std::floor(x) + 48.5) / 96.0;
        case kFilterFreq: return x <= 10.0 ? 0.0 : std::cbrt((x - 10.0) / 16000.0);
        case kFilterQ: return x - 0.0001;
        case kFilterGain: return (x + 16.0) / 32.0;
        default: return x;
    }
}

const char* skipSpace(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}

// text without the blanks around it equals name, ignoring case.
bool sameName(const char* text, const char* name) {
    text = skipSpace(text);
    const size_t length = std::strlen(name);
    if (strncasecmp(text, name, length) != 0) return false;
    return *skipSpace(text + length) == 0;
}

// The leading number of a text ("1/16 Bar" reads 16 for the modulator).
bool leadingNumber(const char* text, double& x) {
    text = skipSpace(text);
    if (std::strncmp(text, "1/", 2) == 0) text += 2;
    char* end = nullptr;
    x = std::strtod(text, &end);
    return end != text && std::isfinite(x);
}

}  // namespace

bool clapValueText(int index, double value, char* text, size_t size) {
    if (!isParameter(index) || std::isnan(value)) return false;
    const ClapParamShape shape = clapParamShape(index);
    if (!shape.stepped) return continuousText(index, coreValueOf(index, value), text, size);
    const int step = static_cast<int>(clapValueOf(index, coreValueOf(index, value)));
    StepNames names;
    if (!stepNames(index, names)) return format(text, size, "%d", step);
    const size_t at = static_cast<size_t>(step - shape.min);
    if (at < names.names.size()) return format(text, size, "%s", names.names[at]);
    return names.beyond ? format(text, size, "%s", names.beyond) : format(text, size, "%d", step);
}

bool clapTextValue(int index, const char* text, double& value) {
    if (!isParameter(index) || text == nullptr) return false;
    const ClapParamShape shape = clapParamShape(index);
    StepNames names;
    if (shape.stepped && stepNames(index, names)) {
        for (size_t i = 0; i < names.names.size(); ++i)
            if (sameName(text, names.names[i])) return value = shape.min + static_cast<double>(i), true;
    }
    double x = 0.0;
    if (!leadingNumber(text, x)) return false;
    if (shape.stepped) {
        if (x < shape.min || x > shape.max) return false;
        value = std::floor(x);
        return true;
    }
    const double v = continuousValue(index, x);
    value = v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
    return true;
}
