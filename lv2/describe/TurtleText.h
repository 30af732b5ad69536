// Pieces of Turtle text: quoted strings, exact numbers and port symbols.
#pragma once

#include <string>
#include <string_view>

namespace turtle {

// A string literal, with quotes, backslashes and control characters escaped.
std::string quoted(std::string_view text);
// A decimal literal that reads back as exactly this float: hosts hand the
// value they read to the plug-in as a float, and a preset must play the
// values a program stores, bit for bit.
std::string number(float value);
// A port symbol from a parameter's name: lower case, words joined by '_'
// ("Offset Jmp FFW" gives "offset_jmp_ffw"), a C identifier as LV2 requires.
std::string symbolFor(std::string_view name);

}  // namespace turtle
