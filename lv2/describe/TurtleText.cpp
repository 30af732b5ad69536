#include "lv2/describe/TurtleText.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <system_error>

namespace turtle {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string number(float value) {
    // The shortest fixed-point text that converts back to the same float.
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    std::string out = error == std::errc{} ? std::string(text, end) : std::string("0");
    if (out.find('.') == std::string::npos) out += ".0";  // a decimal, not an integer literal
    return out;
}

std::string symbolFor(std::string_view name) {
    std::string symbol;
    bool gap = false;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            if (gap && !symbol.empty()) symbol += '_';
            symbol += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            gap = false;
        } else {
            gap = true;
        }
    }
    if (symbol.empty() || std::isdigit(static_cast<unsigned char>(symbol.front()))) symbol.insert(0, "p_");
    return symbol;
}

}  // namespace turtle
