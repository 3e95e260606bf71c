// Reading the size typed by the user, and writing the numbers of the report.
#pragma once

#include <string>
#include <string_view>

namespace triangle30 {

// The decimal separator of typed sizes, whatever the regional settings.
inline constexpr char kInputDecimalPoint = '.';

// Reads the number at the start of `text`, always with a period as the decimal separator.
// Spaces, tabs and line feeds are removed wherever they stand first ("1 2.5" reads as 12.5).
// Then the longest prefix of the form [+-] digits [. digits] [(E|e) [+-] digits] is read, with
// at least one mantissa digit (".5" and "5." count); the rest is ignored ("2,5" reads as 2,
// "3.5cm" as 3.5). Text with no such prefix reads as 0, and so do inf, nan and 0x10.
// The result is the double nearest to the exact decimal value, for inputs of any length.
// Throws OverflowError when that value lies beyond the double range (1E999, -1E999); values
// too small for a double read as zero.
double ParseNumber(std::string_view text);

// Writes `value` rounded to 15 significant digits, with trailing zeros dropped and
// `decimalSeparator` between the whole part and the fraction:
//   FormatNumber(1.7320508075688772, ",") == "1,73205080756888"
//   FormatNumber(2.9999999999999996, ",") == "3"
// Magnitudes from 1E+15 up and below 1E-04 (after rounding) are written as a mantissa, a
// capital E, the exponent's sign and at least two digits: "1,5E+15", "2E-05". Negative zero is
// written as 0. Throws OverflowError for an infinite value and DomainError for NaN.
std::string FormatNumber(double value, std::string_view decimalSeparator);

// The report's decimal separator for the one the platform's regional settings give (UTF-8):
// that one, unless it would run into the number or read as part of it, and then the period.
// It falls back when the separator is empty, or holds a digit, a sign (+, -, U+2212), E or e,
// a blank (space, no-break spaces) or a control character:
//   ReportDecimalSeparator(",") == ","      ReportDecimalSeparator("") == "."
//   ReportDecimalSeparator("5") == "."      ReportDecimalSeparator(" ") == "."
std::string ReportDecimalSeparator(std::string_view platformSeparator);

}  // namespace triangle30
