// The texts a CLAP host shows for a parameter value, and the values it reads
// back from what a user types. They depend on the value alone, never on an
// instance, since a host asks for any value it likes (an automation lane's
// labels, a value it is about to send): the display rules of the parameter
// table applied to what the value sets, with the unit attached.
#pragma once

#include <cstddef>

// value is the host's value (clap/ParamShapes.h). False when text has no room.
bool clapValueText(int index, double value, char* text, size_t size);
// False when the text names no value of the parameter.
bool clapTextValue(int index, const char* text, double& value);
