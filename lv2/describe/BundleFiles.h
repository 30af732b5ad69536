// The texts of the bundle's three description files.
#pragma once

#include <string>

class PluginFacts;

// manifest.ttl: what the bundle holds and where each thing is described.
std::string manifestTtl(const PluginFacts& facts);
// zarvoline.ttl: the plug-in, its ports and its features.
std::string pluginTtl(PluginFacts& facts);
// presets.ttl: the factory programs as presets carrying port values.
std::string presetsTtl(const PluginFacts& facts);

// The address of a factory program's preset.
std::string presetUri(int program);
