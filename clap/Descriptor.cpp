#include "clap/Descriptor.h"

namespace {

const char* const kFeatures[] = {CLAP_PLUGIN_FEATURE_AUDIO_EFFECT, CLAP_PLUGIN_FEATURE_GLITCH,
                                 CLAP_PLUGIN_FEATURE_STEREO, nullptr};

}  // namespace

const clap_plugin_descriptor_t kZarvolineDescriptor = {
    CLAP_VERSION_INIT,
    "zarvoline.stutter",
    "Zarvoline",
    "Velmora",
    "",
    "",
    "",
    ZARVOLINE_VERSION,
    "Tempo-synchronised buffer repeat: records a slice of the input and plays it back in "
    "repeats, divisions and pitches locked to the song's tempo",
    const_cast<const char**>(kFeatures),
};
