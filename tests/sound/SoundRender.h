// Plays a sound case through a VST 2 library as a host would and fingerprints
// the output.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/sound/SoundCases.h"
#include "tools/host/PluginLibrary.h"

// The interleaved stereo output of the case; empty when the plug-in refused
// to start.
std::vector<float> renderCase(PluginEntry entry, const SoundCase& sound);

// FNV-1a over the bit patterns of the samples: equal only for identical output.
uint64_t fingerprint(const std::vector<float>& samples);
