// The two ways a render can fail: a command line that makes no sense
// (exit status 2), and a problem met while doing what it asked (exit
// status 1). Both carry a one-line message for standard error.
#pragma once

#include <stdexcept>

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
