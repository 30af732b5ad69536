// What the core asks of the plug-in format it sits in: where to tell the
// changes it makes (for the editor and the host), and the host's time for
// the editor's tempo commands.
#pragma once

#include "params/ParameterHost.h"

class CoreHost : public ParameterHost {
protected:
    ~CoreHost() = default;
};
