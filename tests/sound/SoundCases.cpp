#include "tests/sound/SoundCases.h"

#include <cmath>
#include <random>

#include "params/ParameterIds.h"

namespace {

constexpr int32_t kBlockSizes[] = {64, 333, 512, 4096};

HostAction parameter(int32_t index, float value) {
    HostAction action;
    action.kind = HostAction::kSetParameter;
    action.index = index;
    action.value = value;
    return action;
}

HostAction program(int32_t index) {
    HostAction action;
    action.kind = HostAction::kSetProgram;
    action.index = index;
    return action;
}

HostAction midi(uint8_t status, uint8_t data1, uint8_t data2) {
    HostAction action;
    action.kind = HostAction::kMidi;
    action.midi[0] = status;
    action.midi[1] = data1;
    action.midi[2] = data2;
    return action;
}

// A factory program played the way a musician tries one: select it, switch
// Record on, then a held note, a controller move and Record off and on.
SoundCase programCase(int32_t number, int32_t block) {
    SoundCase sound;
    sound.name = "program " + std::to_string(number) + " block " + std::to_string(block);
    sound.block = block;
    sound.frames = 3 * 44100;
    sound.inputSeed = static_cast<uint32_t>(number + 1);
    const int32_t second = 44100 / block;
    sound.actions = {
        {0, program(number)},
        {0, parameter(kRecord, 1.0f)},
        {second, midi(0x90, 67, 100)},
        {second * 3 / 2, midi(0x80, 67, 0)},
        {second * 3 / 2, parameter(kRecord, 1.0f)},
        {second * 2, midi(0xB0, 1, 90)},
        {second * 5 / 2, parameter(kRecord, 0.0f)},
        {second * 5 / 2 + 1, parameter(kRecord, 1.0f)},
    };
    return sound;
}

// The benchmark's settings, engaged from the first block.
SoundCase settingsCase(const std::string& name, std::vector<std::pair<int32_t, float>> values) {
    SoundCase sound;
    sound.name = name;
    sound.frames = 4 * 44100;
    for (const auto& [index, value] : values) sound.actions.push_back({0, parameter(index, value)});
    sound.actions.push_back({0, parameter(kRecord, 1.0f)});
    return sound;
}

// A value a parameter is likely to meet: anywhere in 0..1, or one of the
// values menus, switches and programs send.
float likelyValue(std::mt19937& random) {
    const uint32_t kind = random() % 8;
    if (kind == 0) return 0.0f;
    if (kind == 1) return 1.0f;
    if (kind == 2) return static_cast<float>(random() % 8) / 7.0f;
    if (kind == 3) return static_cast<float>(random() % 12) / 11.0f;
    return static_cast<float>(random() % 1000001) / 1000000.0f;
}

// Seeded random settings, automation, program changes and MIDI.
SoundCase randomCase(uint32_t seed) {
    std::mt19937 random(seed);
    SoundCase sound;
    sound.name = "random " + std::to_string(seed);
    constexpr double kRates[] = {44100.0, 48000.0, 96000.0, 22050.0};
    sound.sampleRate = kRates[random() % 4];
    sound.tempo = 60.0 + static_cast<double>(random() % 14000) / 100.0;
    sound.playing = random() % 4 != 0;
    sound.block = kBlockSizes[random() % 4];
    if (random() % 5 == 0) sound.block = 1 + static_cast<int32_t>(random() % 700);
    sound.frames = static_cast<int32_t>(sound.sampleRate * (1.0 + (random() % 100) / 100.0));
    sound.inputSeed = seed;
    const int32_t blocks = (sound.frames + sound.block - 1) / sound.block;

    if (random() % 2 == 0) sound.actions.push_back({0, program(static_cast<int32_t>(random() % 16))});
    for (int32_t index = 0; index < kNumParams; ++index)
        if (index != kRecord && index != kClear && index != kRewind && random() % 3 != 0)
            sound.actions.push_back({0, parameter(index, likelyValue(random))});
    sound.actions.push_back({0, parameter(kRecord, 1.0f)});

    const int32_t changes = static_cast<int32_t>(random() % 24);
    for (int32_t i = 0; i < changes; ++i) {
        const int32_t at = static_cast<int32_t>(random() % static_cast<uint32_t>(blocks));
        const uint32_t kind = random() % 10;
        if (kind < 5) {
            sound.actions.push_back({at, parameter(static_cast<int32_t>(random() % kNumParams),
                                                   likelyValue(random))});
        } else if (kind == 5) {
            sound.actions.push_back({at, program(static_cast<int32_t>(random() % 16))});
        } else if (kind == 6) {
            constexpr int32_t kCommands[] = {kCmdOffsetOp, kCmdLengthOp, kCmdTempoLength};
            const int32_t command = kCommands[random() % 3];
            const float value = command == kCmdTempoLength ? 40.0f + static_cast<float>(random() % 200)
                                                           : static_cast<float>(random() % 6);
            sound.actions.push_back({at, parameter(command, value)});
        } else if (kind == 7) {
            const auto note = static_cast<uint8_t>(36 + random() % 48);
            sound.actions.push_back({at, midi(0x90, note, static_cast<uint8_t>(1 + random() % 127))});
            const int32_t off = at + 1 + static_cast<int32_t>(random() % 40);
            sound.actions.push_back({off, midi(0x80, note, 0)});
        } else if (kind == 8) {
            constexpr uint8_t kControllers[] = {1, 2, 12, 16, 19, 71, 74, 80, 81, 91};
            sound.actions.push_back({at, midi(0xB0, kControllers[random() % 10],
                                              static_cast<uint8_t>(random() % 128))});
        } else {
            sound.actions.push_back({at, midi(0xE0, 0, static_cast<uint8_t>(random() % 128))});
        }
    }
    // A recorded loop is sometimes let go of and taken up again.
    if (random() % 3 == 0) {
        const int32_t at = static_cast<int32_t>(random() % static_cast<uint32_t>(blocks));
        sound.actions.push_back({at, parameter(kRecord, 0.0f)});
        sound.actions.push_back({at + 2, parameter(kRecord, 1.0f)});
    }
    if (random() % 4 == 0) sound.actions.push_back({blocks / 2, HostAction{HostAction::kRestart}});
    return sound;
}

}  // namespace

std::vector<SoundCase> soundCases() {
    std::vector<SoundCase> cases;
    for (int32_t number = 0; number < 16; ++number)
        for (int32_t block : kBlockSizes) cases.push_back(programCase(number, block));
    cases.push_back(settingsCase("plain loop", {{kLength, 0.4f}, {kRepeats, 3.0f / 16.0f}, {kMix, 0.0f}}));
    cases.push_back(settingsCase(
        "full chain",
        {{kLength, 0.3f},          {kRepeats, 0.125f},       {kOffset, 0.6f},
         {kFilterType, 0.4f},      {kFilterFreq, 0.6f},      {kFilterQ, 0.3f},
         {kFilterSpeed, 0.2f},     {kFilterSpeedSync, 0.7f}, {kModulatorMode, 1.0f / 7.0f},
         {kModulatorAmp, 0.4f},    {kBlend, 0.5f},           {kShuffle, 0.3f},
         {kGate, 0.3f},            {kBitCrush, 0.3f},        {kPitchMode, 0.5f},
         {kPitch, 0.55f},          {kPitchHold, 0.2f},       {kPitchRel, 0.3f},
         {kDirection, 1.0f},       {kMix, 0.3f}}));
    for (uint32_t seed = 1; seed <= 300; ++seed) cases.push_back(randomCase(seed));
    return cases;
}

std::vector<float> testSignal(const SoundCase& sound) {
    std::vector<float> signal(static_cast<size_t>(sound.frames) * 2);
    uint32_t noise = sound.inputSeed * 2654435761u + 1u;
    const double beat = sound.sampleRate * 60.0 / sound.tempo;
    const double bassHz = 55.0 * (1.0 + sound.inputSeed % 5);
    for (int32_t i = 0; i < sound.frames; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double white = static_cast<double>(noise >> 8) / 8388608.0 - 1.0;
        const double sinceBeat = std::fmod(static_cast<double>(i), beat);
        const double hit = std::exp(-sinceBeat / (sound.sampleRate * 0.03));
        const double bass = std::sin(6.283185307179586 * bassHz * i / sound.sampleRate);
        const double left = 0.45 * hit * white + 0.35 * bass + 0.02 * white;
        const double right = 0.45 * hit * white - 0.3 * bass + 0.02 * white;
        signal[2 * static_cast<size_t>(i)] = static_cast<float>(left);
        signal[2 * static_cast<size_t>(i) + 1] = static_cast<float>(right);
    }
    return signal;
}
