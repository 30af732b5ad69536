// The one plug-in this library offers, as its factory describes it.
#pragma once

#include <clap/plugin.h>

extern const clap_plugin_descriptor_t kZarvolineDescriptor;
