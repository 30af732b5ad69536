// How each parameter looks to a CLAP host. Switches, triggers and menus are
// stepped, with the whole numbers a host draws as a switch or a list (Filter
// type 0 to 8, Repeats 1 to 17); the knobs are continuous over 0 to 1, the
// core's own values. The core keeps its values; these functions translate at
// the edge, so the same stored value plays the same in every format.
#pragma once

#include "params/ParameterIds.h"

struct ClapParamShape {
    bool stepped;
    double min;
    double max;
};

ClapParamShape clapParamShape(int index);

// The host's value for a core value: the step it selects, or the value itself.
double clapValueOf(int index, float coreValue);
// The core value a host's value selects: a value well inside the step's
// interval (0 exactly for step 0, which switches and menus read as off), or
// the knob value limited to 0 to 1. NaN gives the parameter's fresh value.
float coreValueOf(int index, double clapValue);
// The value of a fresh program, as the host sees it.
double clapDefaultOf(int index);
