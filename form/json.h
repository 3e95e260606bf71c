// JSON text for the programs that print what the page and its tests read: describe, which
// prints the window's description, and the test rows' printer.
#pragma once

#include <array>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace triangle30::json {

// The parts, one after another. (Appends: GCC 12 warns wrongly of overlapping copies in
// "literal" + std::string at -O3.)
inline std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view part : parts) {
        out += part;
    }
    return out;
}

// A JSON string: the text between quotes, with quotes, backslashes and controls escaped.
inline std::string String(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

// A number as it reads back exactly.
inline std::string Number(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
}

}  // namespace triangle30::json
