#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <string>
#include <system_error>

#include "checked_math.h"
#include "errors.h"

#ifdef __EMSCRIPTEN__
#include <cstdio>
#include TRIANGLE30_FAST_FLOAT_HEADER
#endif

namespace triangle30 {

namespace {

constexpr bool IsRemovedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `number` (digits[.digits][(e|E)[+-]digits], as from_chars read it), which lies
// outside the double range, lies beyond the largest double rather than below the smallest: the
// decimal exponent of its first significant digit tells, whatever the length of the number.
[[maybe_unused]] bool IsBeyondLargest(std::string_view number) {
    const std::size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t firstDigit = mantissa.find_first_not_of("0.");
    if (firstDigit == std::string_view::npos) {
        return false;  // zero, never out of range
    }
    const auto point = static_cast<std::int64_t>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<std::int64_t>(firstDigit);
    std::int64_t exponent = first < point ? point - first - 1 : point - first;
    if (exponentAt < number.size()) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = digits.front() == '-';
        if (digits.front() == '-' || digits.front() == '+') {
            digits.remove_prefix(1);
        }
        constexpr std::int64_t kFarBeyondAnyDouble = 1'000'000'000'000;
        std::int64_t value = 0;
        for (const char c : digits) {
            value = std::min(kFarBeyondAnyDouble, value * 10 + (c - '0'));
        }
        exponent += negative ? -value : value;
    }
    return exponent >= 0;
}

}  // namespace

std::string ReportDecimalSeparator(std::string_view platformSeparator) {
    const auto usable = [](std::string_view separator) {
        if (separator.empty()) {
            return false;
        }
        for (std::size_t i = 0; i < separator.size(); ++i) {
            const auto byte = static_cast<unsigned char>(separator[i]);
            const auto next =
                i + 1 < separator.size() ? static_cast<unsigned char>(separator[i + 1]) : 0;
            if (byte <= ' ' || byte == 0x7F || IsDigit(separator[i]) ||
                std::string_view("+-eE").find(separator[i]) != std::string_view::npos ||
                (byte == 0xC2 && next >= 0x80 && next <= 0xA0)) {  // C1 controls, no-break space
                return false;
            }
        }
        // The narrow no-break space and the minus sign.
        return separator.find("\xE2\x80\xAF") == std::string_view::npos &&
               separator.find("\xE2\x88\x92") == std::string_view::npos;
    };
    return usable(platformSeparator) ? std::string(platformSeparator)
                                     : std::string(1, kInputDecimalPoint);
}

double ParseNumber(std::string_view text) {
    std::string number;
    number.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(number),
                 [](char c) { return !IsRemovedBlank(c); });
    std::string_view rest = number;
    const bool negative = rest.starts_with('-');
    if (negative || rest.starts_with('+')) {
        rest.remove_prefix(1);
    }
    // A digit, or the decimal point and a digit, must start the number. from_chars then reads
    // the longest prefix of the form digits[.digits][(e|E)[+-]digits], and no sign, inf, nan
    // or hexadecimal number can get past this check.
    const bool startsNumber =
        !rest.empty() && (IsDigit(rest[0]) ||
                          (rest.size() > 1 && rest[0] == kInputDecimalPoint && IsDigit(rest[1])));
    if (!startsNumber) {
        return 0;
    }
    double value = 0;
#ifdef __EMSCRIPTEN__
    // The web build's libc++ (emscripten 3.1.6) has no floating-point from_chars. fast_float,
    // the algorithm behind libstdc++'s, reads the same forms, rounds the same way at any
    // length, and gives infinity beyond the largest double and zero below the smallest.
    fast_float::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (std::isinf(value)) {
        throw OverflowError();
    }
#else
    const auto [end, ec] =
        std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (IsBeyondLargest(std::string_view(rest.data(), end))) {
            throw OverflowError();
        }
        value = 0;  // too small for a double
    } else if (ec != std::errc() || !std::isfinite(value)) {
        throw OverflowError();  // not reached for text that starts with a digit
    }
#endif
    return negative ? -value : value;
}

std::string FormatNumber(double value, std::string_view decimalSeparator) {
    if (Checked(value) == 0) {
        return "0";  // negative zero too
    }
    // The general format with 15 digits is exactly the report's: correctly rounded from the
    // exact value, trailing zeros dropped, exponent form when the rounded exponent is at least
    // 15 or below -4, with a sign and at least two exponent digits. Only the exponent letter
    // and the separator differ.
    std::array<char, 32> buffer{};
    char* const begin = buffer.data();
#ifdef __EMSCRIPTEN__
    // The web build's libc++ (emscripten 3.1.6) has no floating-point to_chars. Its C library
    // writes %.15g exactly, in the "C" locale it always has, with the same digits and the same
    // exponent form, in lower case.
    char* const end = begin + std::snprintf(begin, buffer.size(), "%.15g", value);
#else
    char* const end =
        std::to_chars(begin, begin + buffer.size(), value, std::chars_format::general, 15).ptr;
#endif
    // The exponent, if any, ends the text: e+XX or e+XXX.
    if (char* const exponent = std::find(std::max(begin, end - 5), end, 'e'); exponent != end) {
        *exponent = 'E';
    }
    char* const point = std::find(begin, end, '.');
    if (point == end || decimalSeparator.size() == 1) {
        if (point != end) {
            *point = decimalSeparator.front();  // the string is then allocated once
        }
        return {begin, end};
    }
    return std::string(begin, point).append(decimalSeparator).append(point + 1, end);
}

}  // namespace triangle30
