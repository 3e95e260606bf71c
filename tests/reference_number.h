// A slow, plain reading of the input grammar, to check ParseNumber against: blanks removed,
// then every prefix tried from the longest down, and the first that is a whole number read
// with the C library's strtod.
#pragma once

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace triangle30::test {

// The double rounded to 15 significant digits, by the C library; infinite where the rounding
// leaves the double range.
inline double RoundedToFifteenDigits(double value) {
    std::array<char, 64> buf{};
    std::snprintf(buf.data(), buf.size(), "%.14e", value);
    return std::strtod(buf.data(), nullptr);
}

struct ReferenceNumber {
    bool overflow = false;
    double value = 0;
};

inline bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when all of `s` is [+-] digits [. digits] [(e|E) [+-] digits] with a mantissa digit.
inline bool IsWholeNumber(std::string_view s) {
    std::size_t i = 0;
    const auto sign = [&] {
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
    };
    const auto digits = [&] {
        std::size_t n = 0;
        for (; i < s.size() && IsAsciiDigit(s[i]); ++i) {
            ++n;
        }
        return n;
    };
    sign();
    std::size_t mantissaDigits = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i == s.size()) {
        return true;
    }
    if (s[i] != 'e' && s[i] != 'E') {
        return false;
    }
    ++i;
    sign();
    return digits() > 0 && i == s.size();
}

inline ReferenceNumber ReferenceParse(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s.push_back(c);
        }
    }
    for (std::size_t length = s.size(); length > 0; --length) {
        const std::string prefix = s.substr(0, length);
        if (IsWholeNumber(prefix)) {
            const double value = std::strtod(prefix.c_str(), nullptr);
            if (std::isinf(value)) {
                return {true, 0};
            }
            return {false, value};
        }
    }
    return {};
}

}  // namespace triangle30::test
