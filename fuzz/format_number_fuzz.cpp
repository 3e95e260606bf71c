// FormatNumber on arbitrary double bit patterns: never inf or nan text, at most 15 significant
// digits, and the text read back gives the double rounded to 15 digits (or overflows, where
// that rounding leaves the double range).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "errors.h"
#include "number_text.h"
#include "reference_number.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) {
        return 0;
    }
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    const char separator = size > sizeof(double) && data[sizeof(double)] % 2 ? ',' : '.';
    std::string text;
    try {
        text = triangle30::FormatNumber(value, std::string_view(&separator, 1));
    } catch (const triangle30::OverflowError&) {
        if (!std::isinf(value)) {
            std::abort();
        }
        return 0;
    } catch (const triangle30::DomainError&) {
        if (!std::isnan(value)) {
            std::abort();
        }
        return 0;
    }
    if (!std::isfinite(value)) {
        std::abort();
    }
    std::size_t significant = 0;
    bool leading = true;
    for (char& c : text) {
        if (c == 'E') {
            break;
        }
        if (c == separator) {
            c = '.';
        } else if (c >= '0' && c <= '9') {
            leading = leading && c == '0';
            significant += leading ? 0 : 1;
        } else if (c != '-') {
            std::abort();  // no letters, no blanks, no other signs
        }
    }
    if (significant > 15 || text.find_first_of("infa") != std::string::npos) {
        std::abort();
    }
    // Near the largest double the rounded value lies beyond the double range, and reading the
    // text back is the overflow that the input box reports for it.
    const double rounded = value == 0 ? 0.0 : triangle30::test::RoundedToFifteenDigits(value);
    try {
        if (triangle30::ParseNumber(text) != rounded) {
            std::abort();
        }
    } catch (const triangle30::OverflowError&) {
        if (!std::isinf(rounded)) {
            std::abort();
        }
    }
    return 0;
}
