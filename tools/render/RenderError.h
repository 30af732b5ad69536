// The two ways a render can fail: a command line that makes no sense
// (UsageError, exit status 2), and a problem met while doing what it asked
// (RenderError, exit status 1). Both carry a one-line message for standard
// error.
#pragma once

#include <stdexcept>

#include "tools/cli/CommandLine.h"

using UsageError = cli::UsageError;

class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
