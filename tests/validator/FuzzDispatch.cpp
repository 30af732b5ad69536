// The dispatcher and the parameters under a hostile host: every opcode with
// sensible and hostile arguments, texts asked into buffers of exactly their
// size with a canary behind, program names of any length and unterminated,
// any parameter index (commands and status values included) set to any float.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "tests/validator/Fuzz.h"

namespace validator::fuzz {

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// A buffer of exactly `size` bytes handed to the plug-in, with a canary behind it.
class GuardedBuffer {
public:
    static constexpr char kMark = 0x5A;
    static constexpr size_t kCanary = 16;

    GuardedBuffer(size_t size, char fill) : size_(size), bytes_(size + kCanary, kMark) {
        std::memset(bytes_.data(), fill, size);
    }
    char* data() { return bytes_.data(); }

    // Throws when the plug-in wrote behind the buffer.
    void checkCanary(const std::string& what) const {
        for (size_t i = size_; i < bytes_.size(); ++i)
            if (bytes_[i] != kMark) throw Fault(what + " wrote past its " + std::to_string(size_) + "-byte buffer");
    }
    // The same, and a text written into it must end within the buffer.
    void checkText(const std::string& what) const {
        checkCanary(what);
        const bool written = std::any_of(bytes_.begin(), bytes_.begin() + long(size_), [](char c) { return c != kMark; });
        if (written && !std::memchr(bytes_.data(), 0, size_))
            throw Fault(what + " left its text unterminated in " + std::to_string(size_) + " bytes");
    }

private:
    size_t size_;
    std::vector<char> bytes_;
};

VstIntPtr hostileInteger(Dice& dice) {
    static constexpr VstIntPtr kValues[] = {0, 1, -1, 2, 3, 7, 15, 16, 17, 41, 64, 512, 20000,
                                            INT32_MAX, INT32_MIN, VstIntPtr{1} << 40, -(VstIntPtr{1} << 40)};
    return dice.pick(kValues);
}

VstInt32 anyIndex(Dice& dice) { return dice.between(-5, 80); }

std::string opcodeText(VstInt32 opcode, VstInt32 index) {
    return "opcode " + std::to_string(opcode) + " (index " + std::to_string(index) + ")";
}

// A text opcode into a buffer of exactly `size` bytes.
void askText(Plugin& plugin, VstInt32 opcode, VstInt32 index, VstIntPtr value, size_t size) {
    GuardedBuffer text(size, GuardedBuffer::kMark);
    plugin.instance.call(opcode, index, value, text.data());
    text.checkText(opcodeText(opcode, index));
}

// An opcode that fills a record the host owns, here one of `size` zero bytes.
void askRecord(Plugin& plugin, VstInt32 opcode, VstInt32 index, VstIntPtr value, size_t size, float opt = 0.0f) {
    GuardedBuffer record(size, 0);
    plugin.instance.call(opcode, index, value, record.data(), opt);
    record.checkCanary(opcodeText(opcode, index));
}

// A program name of any length, terminated or not; an unterminated one
// fills a buffer of exactly 24 bytes, the most a name may have.
void nameProgram(Plugin& plugin, Dice& dice) {
    const bool terminated = dice.chance(0.7);
    const size_t length = terminated ? static_cast<size_t>(dice.pick({0, 1, 5, 23, 24, 25, 60, 300})) : kVstMaxTextLen;
    std::vector<char> name(length + (terminated ? 1 : 0), 0);
    for (size_t i = 0; i < length; ++i) name[i] = static_cast<char>(dice.between(1, 255));
    plugin.instance.call(effSetProgramName, 0, 0, name.data());
    askText(plugin, effGetProgramName, 0, 0, kVstMaxTextLen);
}

void canDo(Plugin& plugin, Dice& dice) {
    static constexpr const char* kQuestions[] = {
        "receiveVstEvents", "receiveVstMidiEvent", "receiveVstTimeInfo", "sendVstEvents", "offline",
        "bypass", "", "receiveVstEventsreceiveVstEventsreceiveVstEventsreceiveVstEvents", "\xff\xfe"};
    std::string question = dice.pick(kQuestions);
    plugin.instance.call(effCanDo, 0, 0, question.data());
}

void chunks(Plugin& plugin, Dice& dice) {
    if (dice.chance(0.5)) {
        void* chunk = nullptr;
        const VstIntPtr size = plugin.instance.call(effGetChunk, dice.between(0, 1), 0, &chunk);
        if (size > 0 && chunk) {  // a chunk the plug-in hands out must be readable
            volatile char sum = 0;
            for (VstIntPtr i = 0; i < size; ++i) sum = static_cast<char>(sum + static_cast<const char*>(chunk)[i]);
        }
        return;
    }
    std::vector<char> chunk(static_cast<size_t>(dice.between(0, 512)));
    for (char& c : chunk) c = static_cast<char>(dice.between(0, 255));
    plugin.instance.call(effSetChunk, dice.between(0, 1), static_cast<VstIntPtr>(chunk.size()), chunk.data());
}

void speakers(Plugin& plugin, Dice& dice, VstInt32 opcode) {
    if (opcode == effGetSpeakerArrangement) {
        void* inputs = nullptr;
        void* outputs = nullptr;
        plugin.instance.call(opcode, 0, reinterpret_cast<VstIntPtr>(&inputs), &outputs);
        return;
    }
    // Two arrangements of two speakers: type, count, then the speakers' records.
    std::vector<VstInt32> inputs(512, 0), outputs(512, 0);
    inputs[1] = outputs[1] = dice.pick({0, 1, 2, 8});
    plugin.instance.call(opcode, 0, reinterpret_cast<VstIntPtr>(inputs.data()), outputs.data());
}

}  // namespace

float Dice::parameterValue() {
    static constexpr float kEdges[] = {0.0f, 1.0f, 0.5f, -0.0f};
    static constexpr float kHostile[] = {kNaN,  kInf,         -kInf,         1e30f,        -1e30f, 1e9f, -1e9f,
                                         2.0f, -0.5f, FLT_TRUE_MIN, -FLT_TRUE_MIN, FLT_MIN / 4.0f, 1.5f, -1.0f};
    const int kind = between(0, 9);
    if (kind < 5) return unit();
    if (kind < 7) return pick(kEdges);
    return pick(kHostile);
}

float Dice::hostileFloat() {
    static constexpr float kValues[] = {0.0f,   1.0f,     -1.0f,  44100.0f, 48000.0f, 96000.0f, 192000.0f,
                                        8000.0f, 22050.0f, 7.5f,  255.0f,   256.0f,   1e9f,     1e30f,
                                        -1e30f, kNaN,     kInf,   -kInf,    FLT_TRUE_MIN};
    return pick(kValues);
}

void setAnyParameter(Plugin& plugin, Dice& dice) {
    const VstInt32 index = anyIndex(dice);
    plugin.instance.set(index, dice.parameterValue());
    // Hosts read back what they set, and show it.
    (void)plugin.instance.get(index);
    if (dice.chance(0.3)) askText(plugin, effGetParamDisplay, index, 0, kVstMaxTextLen);
}

void dispatchAny(Plugin& plugin, Dice& dice, HostWindows* windows) {
    static constexpr VstInt32 kUnknownOpcodes[] = {-1, 80, 81, 120, 255, 4096, INT32_MAX, INT32_MIN};
    const VstInt32 opcode = dice.chance(0.97) ? dice.between(0, 79) : dice.pick(kUnknownOpcodes);
    const VstInt32 index = anyIndex(dice);
    switch (opcode) {
        case effClose: plugin.instance.call(effOpen); return;  // an instance opened twice; closing is its own step
        case effEditOpen:
        case effEditClose:
        case effEditIdle:
        case effEditKeyDown:
        case effEditKeyUp: driveEditor(plugin, dice, windows); return;
        case effProcessEvents: sendMidi(plugin, dice); return;
        case effSetProgramName: nameProgram(plugin, dice); return;
        case effGetProgramName:
        case effGetParamLabel:
        case effGetParamDisplay:
        case effGetParamName: askText(plugin, opcode, index, 0, kVstMaxTextLen); return;
        case effGetProgramNameIndexed: askText(plugin, opcode, index, dice.between(-1, 2), kVstMaxTextLen); return;
        case effGetEffectName: askText(plugin, opcode, 0, 0, 32); return;
        case effGetVendorString:
        case effGetProductString:
        case effShellGetNextPlugin: askText(plugin, opcode, 0, 0, 64); return;
        case effGetErrorText: askText(plugin, opcode, 0, 0, 256); return;
        case effSetProgram: plugin.instance.call(opcode, 0, hostileInteger(dice)); return;
        case effSetSampleRate: plugin.instance.call(opcode, 0, 0, nullptr, dice.hostileFloat()); return;
        case effSetBlockSize:
        case effSetBlockSizeAndSampleRate: {
            const VstIntPtr block = dice.chance(0.5) ? dice.between(0, 20000) : hostileInteger(dice);
            plugin.announcedBlock = static_cast<int>(std::clamp<VstIntPtr>(block, 0, 20000));
            plugin.instance.call(opcode, 0, block, nullptr, dice.hostileFloat());
            return;
        }
        case effMainsChanged: plugin.instance.call(opcode, 0, dice.pick({0, 1, 1, -1, 2})); return;
        case effEditGetRect: {
            ERect* rect = nullptr;
            plugin.instance.call(opcode, 0, 0, dice.chance(0.9) ? &rect : nullptr);
            if (rect) (void)(rect->bottom - rect->top);  // must point at a rectangle
            return;
        }
        case effGetChunk:
        case effSetChunk: chunks(plugin, dice); return;
        case effString2Parameter: {
            std::string text = dice.pick({"0.5", "nan", "-inf", "1e30", "", "abc", "12345678901234567890123456789"});
            plugin.instance.call(opcode, index, 0, dice.chance(0.9) ? text.data() : nullptr);
            return;
        }
        case effGetInputProperties:
        case effGetOutputProperties: askRecord(plugin, opcode, dice.between(-2, 4), 0, 128); return;
        case effGetParameterProperties: askRecord(plugin, opcode, index, 0, 152); return;
        case effCanDo: canDo(plugin, dice); return;
        case effGetSpeakerArrangement:
        case effSetSpeakerArrangement: speakers(plugin, dice, opcode); return;
        case effGetMidiProgramName:
        case effGetCurrentMidiProgram:
        case effGetMidiProgramCategory:
        case effGetMidiKeyName:
        case effBeginLoadBank:
        case effBeginLoadProgram: askRecord(plugin, opcode, dice.between(-1, 16), 0, 256); return;
        default:
            // The rest take numbers only, or a record the host zeroes.
            if (dice.chance(0.5))
                plugin.instance.call(opcode, index, hostileInteger(dice), nullptr, dice.hostileFloat());
            else
                askRecord(plugin, opcode, index, hostileInteger(dice), 256, dice.hostileFloat());
    }
}

}  // namespace validator::fuzz
