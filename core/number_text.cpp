#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "checked_math.h"
#include "errors.h"

namespace triangle30 {

namespace {

constexpr bool IsRemovedBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The characters of a text with the blanks removed, read one at a time.
class BlankFreeReader {
  public:
    explicit BlankFreeReader(std::string_view text) : text_(text) { SkipBlanks(); }

    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return text_[pos_]; }
    void Advance() {
        ++pos_;
        SkipBlanks();
    }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

    bool Take(char c) {
        if (!AtEnd() && Peek() == c) {
            Advance();
            return true;
        }
        return false;
    }

    // Appends the run of digits at the reader to `out`; returns how many there were.
    std::size_t TakeDigits(std::string& out) {
        std::size_t n = 0;
        while (!AtEnd() && IsDigit(Peek())) {
            out.push_back(Peek());
            Advance();
            ++n;
        }
        return n;
    }

  private:
    void SkipBlanks() {
        while (pos_ < text_.size() && IsRemovedBlank(text_[pos_])) {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// The decimal exponent of the leading significant digit of mantissa digits `digits` with
// `integerDigits` of them before the point, scaled by `exponent`; saturates far from zero.
std::int64_t LeadingDigitExponent(std::string_view digits, std::size_t integerDigits,
                                  std::int64_t exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return 0;
    }
    return static_cast<std::int64_t>(integerDigits) - static_cast<std::int64_t>(first) - 1 +
           exponent;
}

// Reads the exponent digits in `digits` as a number, saturating at a value far beyond any
// double's exponent so that no amount of digits can overflow it.
std::int64_t SaturatedExponent(std::string_view digits, bool negative) {
    constexpr std::int64_t kLimit = 1'000'000'000'000;
    std::int64_t value = 0;
    for (const char c : digits) {
        value = std::min(kLimit, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

}  // namespace

double ParseNumber(std::string_view text) {
    BlankFreeReader in(text);

    // The number is copied without blanks into `number` in the form from_chars reads:
    // [-]digits[.digits][e[-]digits].
    std::string number;
    const bool negative = in.Take('-');
    if (!negative) {
        in.Take('+');
    }
    if (negative) {
        number.push_back('-');
    }
    std::size_t integerDigits = in.TakeDigits(number);
    std::size_t fractionDigits = 0;
    if (in.Take(kInputDecimalPoint)) {
        number.push_back('.');
        fractionDigits = in.TakeDigits(number);
    }
    if (integerDigits + fractionDigits == 0) {
        return 0;
    }
    const std::size_t mantissaEnd = number.size();

    std::int64_t exponent = 0;
    const std::size_t beforeExponent = in.Position();
    if (!in.AtEnd() && (in.Peek() == 'e' || in.Peek() == 'E')) {
        in.Advance();
        const bool negativeExponent = in.Take('-');
        if (!negativeExponent) {
            in.Take('+');
        }
        std::string exponentDigits;
        if (in.TakeDigits(exponentDigits) > 0) {
            exponent = SaturatedExponent(exponentDigits, negativeExponent);
            number.push_back('e');
            if (negativeExponent) {
                number.push_back('-');
            }
            number += exponentDigits;
        } else {
            in.Rewind(beforeExponent);  // "1e" and "1e+" read as 1
        }
    }

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Either beyond the largest double or below the smallest: tell them apart by where the
        // first significant digit stands.
        std::string digits(number.begin() + (negative ? 1 : 0),
                           number.begin() + static_cast<std::ptrdiff_t>(mantissaEnd));
        digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
        if (LeadingDigitExponent(digits, integerDigits, exponent) >= 0) {
            throw OverflowError();
        }
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
        throw OverflowError();  // not reached for text of the form built above
    }
    return value;
}

std::string FormatNumber(double value, std::string_view decimalSeparator) {
    if (Checked(value) == 0) {
        return "0";  // negative zero too
    }
    // The general format with 15 digits is exactly the report's: correctly rounded from the
    // exact value, trailing zeros dropped, exponent form when the rounded exponent is at least
    // 15 or below -4, with a sign and at least two exponent digits. Only the separator and the
    // exponent letter differ, and they are put in place in the buffer so that the string is
    // allocated once.
    constexpr std::size_t kLongestText = 24;  // -d.ddddddddddddddE-308
    std::array<char, kLongestText> buf;       // NOLINT: written by to_chars before it is read
    char* const begin = buf.data();
    char* const end =
        std::to_chars(begin, buf.data() + buf.size(), value, std::chars_format::general, 15).ptr;
    // The exponent, if any, is the last four or five characters: e+XX or e+XXX.
    if (end - begin > 4 && end[-4] == 'e') {
        end[-4] = 'E';
    } else if (end - begin > 5 && end[-5] == 'e') {
        end[-5] = 'E';
    }
    auto* const point =
        static_cast<char*>(std::memchr(begin, '.', static_cast<std::size_t>(end - begin)));
    if (point == nullptr) {
        return {begin, end};
    }
    if (decimalSeparator.size() == 1) {
        *point = decimalSeparator[0];
        return {begin, end};
    }
    std::string out(begin, point);
    out.append(decimalSeparator);
    out.append(point + 1, end);
    return out;
}

}  // namespace triangle30
