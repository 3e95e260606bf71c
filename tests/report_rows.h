// The rows of the report's tables: a quantity, an input text and the report it gives (with a
// comma as the decimal separator), or the error it ends with. The core's tests read them here,
// and the page's test reads them as JSON (report_rows_json.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "named_row.h"

namespace triangle30::test {

struct ReportRow : NamedRow {
    std::int16_t kind;
    const char* input;
    std::array<std::string_view, 6> lines;
};

inline constexpr auto kReportRows = std::to_array<ReportRow>({
    ReportRow{
        "LegBC",
        0,
        "1",
        {"Катет BC = 1", "Катет AC = 1,73205080756888", "Хипотенуза AB = 2",
         "Изчислен периметър P = 4,73205080756888", "Проверка с теорема на Питагор:", "1 + 3 = 4"}},
    ReportRow{"LegAC",
              1,
              "1",
              {"Катет BC = 0,577350269189626", "Катет AC = 1", "Хипотенуза AB = 1,15470053837925",
               "Изчислен периметър P = 2,73205080756888",
               "Проверка с теорема на Питагор:", "0,333333333333333 + 1 = 1,33333333333333"}},
    ReportRow{"LegACFraction",
              1,
              "2.5",
              {"Катет BC = 1,44337567297406", "Катет AC = 2,5", "Хипотенуза AB = 2,88675134594813",
               "Изчислен периметър P = 6,83012701892219",
               "Проверка с теорема на Питагор:", "2,08333333333333 + 6,25 = 8,33333333333334"}},
    ReportRow{"Hypotenuse",
              2,
              "10",
              {"Катет BC = 5", "Катет AC = 8,66025403784439", "Хипотенуза AB = 10",
               "Изчислен периметър P = 23,6602540378444",
               "Проверка с теорема на Питагор:", "25 + 75 = 100"}},
    ReportRow{"Altitude",
              3,
              "1",
              {"Катет BC = 1,15470053837925", "Катет AC = 2", "Хипотенуза AB = 2,3094010767585",
               "Изчислен периметър P = 5,46410161513776",
               "Проверка с теорема на Питагор:", "1,33333333333333 + 4 = 5,33333333333333"}},
    ReportRow{"Median",
              4,
              "10",
              {"Катет BC = 10", "Катет AC = 17,3205080756888", "Хипотенуза AB = 20",
               "Изчислен периметър P = 47,3205080756888",
               "Проверка с теорема на Питагор:", "100 + 300 = 400"}},
    ReportRow{"Bisector",
              5,
              "1",
              {"Катет BC = 1,11535513055571", "Катет AC = 1,93185175460512",
               "Хипотенуза AB = 2,23071026111143", "Изчислен периметър P = 5,27791714627226",
               "Проверка с теорема на Питагор:",
               "1,24401706725695 + 3,73205120177086 = 4,97606826902782"}},
    ReportRow{"Area",
              6,
              "10",
              {"Катет BC = 3,39808848969425", "Катет AC = 5,88566191276542",
               "Хипотенуза AB = 6,79617697938849", "Изчислен периметър P = 16,0799273818482",
               "Проверка с теорема на Питагор:",
               "11,5470053837925 + 34,6410161513775 = 46,1880215351701"}},
    ReportRow{"AreaFraction",
              6,
              "2.5",
              {"Катет BC = 1,69904424484712", "Катет AC = 2,94283095638271",
               "Хипотенуза AB = 3,39808848969425", "Изчислен периметър P = 8,03996369092408",
               "Проверка с теорема на Питагор:",
               "2,88675134594813 + 8,66025403784439 = 11,5470053837925"}},
    ReportRow{"EmptyInputIsZero",
              6,
              "",
              {"Катет BC = 0", "Катет AC = 0", "Хипотенуза AB = 0", "Изчислен периметър P = 0",
               "Проверка с теорема на Питагор:", "0 + 0 = 0"}},
    ReportRow{"CommaEndsTheInput",
              0,
              "2,5",
              {"Катет BC = 2", "Катет AC = 3,46410161513775", "Хипотенуза AB = 4",
               "Изчислен периметър P = 9,46410161513775",
               "Проверка с теорема на Питагор:", "4 + 12 = 16"}},
    ReportRow{"NegativeLeg",
              0,
              "-1",
              {"Катет BC = -1", "Катет AC = -1,73205080756888", "Хипотенуза AB = -2",
               "Изчислен периметър P = -4,73205080756888",
               "Проверка с теорема на Питагор:", "1 + 3 = 4"}},
    ReportRow{"ExponentNumbers",
              0,
              "1e100",
              {"Катет BC = 1E+100", "Катет AC = 1,73205080756888E+100", "Хипотенуза AB = 2E+100",
               "Изчислен периметър P = 4,73205080756888E+100",
               "Проверка с теорема на Питагор:", "1E+200 + 3E+200 = 4E+200"}},
});

struct FailureRow : NamedRow {
    std::int16_t kind;
    const char* input;
    bool overflow;     // else a domain error
    int linesWritten;  // complete lines left in the box; 0 keeps the old text
};

inline constexpr auto kFailureRows = std::to_array<FailureRow>({
    FailureRow{"InputBeyondRange", 0, "1E999", true, 0},
    FailureRow{"NegativeInputBeyondRange", 0, "-1E999", true, 0},
    FailureRow{"SolverOverflow", 0, "1e308", true, 0},
    FailureRow{"NegativeArea", 6, "-1", false, 0},
    FailureRow{"PerimeterOverflow", 2, "1.7e308", true, 3},
    FailureRow{"SquareOverflow", 0, "1E+200", true, 5},
    FailureRow{"SquareOfNegativeOverflow", 0, "-1E+200", true, 5},
});

}  // namespace triangle30::test
