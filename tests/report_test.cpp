// Tests of the report that a calculation writes into the result box.
#include "report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "errors.h"
#include "report_shape.h"
#include "table_row.h"

namespace triangle30 {
namespace {

// Joins report lines with the box's CR LF, with no line end after the last.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size()) {
            text += "\r\n";
        }
    }
    return text;
}

std::string Report(std::int16_t kind, const std::string& input, const std::string& separator) {
    StringResultBox box("old text");
    Calculate(kind, input, box, separator);
    return box.GetText();
}

struct ReportCase : test::NamedRow {
    std::int16_t kind;
    const char* input;
    std::vector<std::string> lines;  // with a comma as the decimal separator
};

class CalculateTable : public testing::TestWithParam<ReportCase> {};

TEST_P(CalculateTable, WritesTheSixLineReport) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(Report(c.kind, c.input, ","), Lines(c.lines));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CalculateTable,
    testing::Values(
        ReportCase{"LegBC",
                   0,
                   "1",
                   {"Катет BC = 1", "Катет AC = 1,73205080756888", "Хипотенуза AB = 2",
                    "Изчислен периметър P = 4,73205080756888",
                    "Проверка с теорема на Питагор:", "1 + 3 = 4"}},
        ReportCase{"LegAC",
                   1,
                   "1",
                   {"Катет BC = 0,577350269189626", "Катет AC = 1",
                    "Хипотенуза AB = 1,15470053837925", "Изчислен периметър P = 2,73205080756888",
                    "Проверка с теорема на Питагор:", "0,333333333333333 + 1 = 1,33333333333333"}},
        ReportCase{
            "LegACFraction",
            1,
            "2.5",
            {"Катет BC = 1,44337567297406", "Катет AC = 2,5", "Хипотенуза AB = 2,88675134594813",
             "Изчислен периметър P = 6,83012701892219",
             "Проверка с теорема на Питагор:", "2,08333333333333 + 6,25 = 8,33333333333334"}},
        ReportCase{"Hypotenuse",
                   2,
                   "10",
                   {"Катет BC = 5", "Катет AC = 8,66025403784439", "Хипотенуза AB = 10",
                    "Изчислен периметър P = 23,6602540378444",
                    "Проверка с теорема на Питагор:", "25 + 75 = 100"}},
        ReportCase{"Altitude",
                   3,
                   "1",
                   {"Катет BC = 1,15470053837925", "Катет AC = 2",
                    "Хипотенуза AB = 2,3094010767585", "Изчислен периметър P = 5,46410161513776",
                    "Проверка с теорема на Питагор:", "1,33333333333333 + 4 = 5,33333333333333"}},
        ReportCase{"Median",
                   4,
                   "10",
                   {"Катет BC = 10", "Катет AC = 17,3205080756888", "Хипотенуза AB = 20",
                    "Изчислен периметър P = 47,3205080756888",
                    "Проверка с теорема на Питагор:", "100 + 300 = 400"}},
        ReportCase{"Bisector",
                   5,
                   "1",
                   {"Катет BC = 1,11535513055571", "Катет AC = 1,93185175460512",
                    "Хипотенуза AB = 2,23071026111143", "Изчислен периметър P = 5,27791714627226",
                    "Проверка с теорема на Питагор:",
                    "1,24401706725695 + 3,73205120177086 = 4,97606826902782"}},
        ReportCase{"Area",
                   6,
                   "10",
                   {"Катет BC = 3,39808848969425", "Катет AC = 5,88566191276542",
                    "Хипотенуза AB = 6,79617697938849", "Изчислен периметър P = 16,0799273818482",
                    "Проверка с теорема на Питагор:",
                    "11,5470053837925 + 34,6410161513775 = 46,1880215351701"}},
        ReportCase{"AreaFraction",
                   6,
                   "2.5",
                   {"Катет BC = 1,69904424484712", "Катет AC = 2,94283095638271",
                    "Хипотенуза AB = 3,39808848969425", "Изчислен периметър P = 8,03996369092408",
                    "Проверка с теорема на Питагор:",
                    "2,88675134594813 + 8,66025403784439 = 11,5470053837925"}},
        ReportCase{"EmptyInputIsZero",
                   6,
                   "",
                   {"Катет BC = 0", "Катет AC = 0", "Хипотенуза AB = 0", "Изчислен периметър P = 0",
                    "Проверка с теорема на Питагор:", "0 + 0 = 0"}},
        ReportCase{"CommaEndsTheInput",
                   0,
                   "2,5",
                   {"Катет BC = 2", "Катет AC = 3,46410161513775", "Хипотенуза AB = 4",
                    "Изчислен периметър P = 9,46410161513775",
                    "Проверка с теорема на Питагор:", "4 + 12 = 16"}},
        ReportCase{"NegativeLeg",
                   0,
                   "-1",
                   {"Катет BC = -1", "Катет AC = -1,73205080756888", "Хипотенуза AB = -2",
                    "Изчислен периметър P = -4,73205080756888",
                    "Проверка с теорема на Питагор:", "1 + 3 = 4"}},
        ReportCase{"ExponentNumbers",
                   0,
                   "1e100",
                   {"Катет BC = 1E+100", "Катет AC = 1,73205080756888E+100",
                    "Хипотенуза AB = 2E+100", "Изчислен периметър P = 4,73205080756888E+100",
                    "Проверка с теорема на Питагор:", "1E+200 + 3E+200 = 4E+200"}}),
    test::RowName());

// Records every text a calculation sets, and marks the end of each with |, so that what the
// next write starts with shows that it read the box back.
class RecordingBox : public ResultBox {
  public:
    explicit RecordingBox(std::string text) : text_(std::move(text)) {}
    std::string GetText() const override {
        ++reads;
        return text_;
    }
    void SetText(std::string_view text) override {
        text_ = std::string(text) + "|";
        writes.push_back(text_);
    }
    mutable int reads = 0;
    std::vector<std::string> writes;

  private:
    std::string text_;
};

TEST(Calculate, WritesLineByLineReadingTheBoxBackEachTime) {
    RecordingBox box("задача");
    Calculate(4, "10", box, ",");
    ASSERT_EQ(box.writes.size(), 6U);
    EXPECT_EQ(box.writes[0], "Катет BC = 10\r\n|");
    EXPECT_EQ(box.writes[5],
              "Катет BC = 10\r\n|Катет AC = 17,3205080756888\r\n|Хипотенуза AB = 20\r\n|"
              "Изчислен периметър P = 47,3205080756888\r\n|Проверка с теорема на Питагор:\r\n|"
              "100 + 300 = 400|");
    EXPECT_EQ(box.reads, 5);
}

TEST(Calculate, NothingChosenLeavesTheBoxUntouched) {
    for (const char* old : {"", "Да се състави проект\r\n", "Катет BC = 1\r\nстар отчет"}) {
        RecordingBox box(old);
        Calculate(-1, "12", box, ",");
        EXPECT_TRUE(box.writes.empty());
        EXPECT_EQ(box.GetText(), old);
    }
    RecordingBox box("x");
    Calculate(-1, "1E999", box, ",");  // the input is not even read
    EXPECT_TRUE(box.writes.empty());
}

struct FailureCase : test::NamedRow {
    std::int16_t kind;
    const char* input;
    bool overflow;     // else a domain error
    int linesWritten;  // complete lines left in the box; 0 keeps the old text
};

class CalculateFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(CalculateFailure, StopsAtTheFailingStepLeavingWhatWasWritten) {
    const FailureCase& c = GetParam();
    StringResultBox box("old text");
    if (c.overflow) {
        EXPECT_THROW(Calculate(c.kind, c.input, box, ","), OverflowError);
    } else {
        EXPECT_THROW(Calculate(c.kind, c.input, box, ","), DomainError);
    }
    const std::string text = box.GetText();
    if (c.linesWritten == 0) {
        EXPECT_EQ(text, "old text");
        return;
    }
    int lineEnds = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at + 2)) {
        ++lineEnds;
    }
    EXPECT_EQ(lineEnds, c.linesWritten) << text;
    EXPECT_EQ(test::ReportLinesIn(text, ","), c.linesWritten) << text;
    EXPECT_TRUE(text.ends_with("\r\n")) << text;
    EXPECT_TRUE(text.starts_with("Катет BC = ")) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CalculateFailure,
    testing::Values(FailureCase{"InputBeyondRange", 0, "1E999", true, 0},
                    FailureCase{"NegativeInputBeyondRange", 0, "-1E999", true, 0},
                    FailureCase{"SolverOverflow", 0, "1e308", true, 0},
                    FailureCase{"NegativeArea", 6, "-1", false, 0},
                    FailureCase{"PerimeterOverflow", 2, "1.7e308", true, 3},
                    FailureCase{"SquareOverflow", 0, "1E+200", true, 5},
                    FailureCase{"SquareOfNegativeOverflow", 0, "-1E+200", true, 5}),
    test::RowName());

struct LineEndCase : test::NamedRow {
    std::string box;
    std::string lineFeeds;
};

class LineEnds : public testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, ConvertBothWays) {
    EXPECT_EQ(ToLineFeeds(GetParam().box), GetParam().lineFeeds);
    EXPECT_EQ(ToBoxLineEnds(GetParam().lineFeeds), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineEnds,
                         testing::Values(LineEndCase{"Empty", "", ""},
                                         LineEndCase{"NoLineEnd", "1 + 3 = 4", "1 + 3 = 4"},
                                         LineEndCase{"TwoLines", "a\r\nb", "a\nb"},
                                         LineEndCase{"LineEndLast", "a\r\nb\r\n", "a\nb\n"},
                                         LineEndCase{"EmptyLines", "\r\n\r\n", "\n\n"},
                                         LineEndCase{"Cyrillic", "Катет\r\nлице", "Катет\nлице"},
                                         LineEndCase{"LoneCarriageReturnsStay", "a\rb\r",
                                                     "a\rb\r"}),
                         test::RowName());

}  // namespace
}  // namespace triangle30
