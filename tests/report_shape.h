// Recognises the text of a report, whole or cut at a line end, without computing one.
#pragma once

#include <array>
#include <string_view>

namespace triangle30::test {

// True for a number as the report writes it: [-]digits[<separator>digits][E(+|-)dd[d]].
inline bool IsReportNumber(std::string_view s, std::string_view separator) {
    std::size_t i = 0;
    const auto digits = [&] {
        std::size_t n = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            ++n;
        }
        return n;
    };
    if (i < s.size() && s[i] == '-') {
        ++i;
    }
    if (digits() == 0) {
        return false;
    }
    if (s.substr(i).starts_with(separator)) {
        i += separator.size();
        if (digits() == 0) {
            return false;
        }
    }
    if (i < s.size() && s[i] == 'E') {
        ++i;
        if (i == s.size() || (s[i] != '+' && s[i] != '-')) {
            return false;
        }
        ++i;
        const std::size_t n = digits();
        if (n < 2 || n > 3) {
            return false;
        }
    }
    return i == s.size();
}

// How much of a report `text` (CR LF line ends) holds: 6 for a whole report, 1 to 5 for a
// report cut after that many lines (each ended by CR LF), 0 for an empty text, -1 for any
// other text.
inline int ReportLinesIn(std::string_view text, std::string_view separator) {
    constexpr std::array<std::string_view, 4> kLabels = {
        "Катет BC = ", "Катет AC = ", "Хипотенуза AB = ", "Изчислен периметър P = "};
    constexpr std::string_view kHeading = "Проверка с теорема на Питагор:";
    int lines = 0;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        if (lines < 4) {
            if (!line.starts_with(kLabels[lines]) ||
                !IsReportNumber(line.substr(kLabels[lines].size()), separator)) {
                return -1;
            }
        } else if (lines == 4) {
            if (line != kHeading) {
                return -1;
            }
        } else if (lines == 5) {
            const std::size_t plus = line.find(" + ");
            const std::size_t equals = line.find(" = ");
            if (end != std::string_view::npos || plus == std::string_view::npos ||
                equals == std::string_view::npos || equals < plus ||
                !IsReportNumber(line.substr(0, plus), separator) ||
                !IsReportNumber(line.substr(plus + 3, equals - plus - 3), separator) ||
                !IsReportNumber(line.substr(equals + 3), separator)) {
                return -1;
            }
            return 6;
        } else {
            return -1;
        }
        if (end == std::string_view::npos) {
            return -1;  // a line of the first five without its line end
        }
        ++lines;
        text.remove_prefix(end + 2);
    }
    return lines;
}

}  // namespace triangle30::test
