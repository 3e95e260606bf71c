// Tests of the report that a calculation writes into the result box.
#include "report.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "errors.h"
#include "report_rows.h"
#include "report_shape.h"
#include "table_row.h"

namespace triangle30 {
namespace {

// Joins report lines with the box's CR LF, with no line end after the last.
std::string Lines(const std::array<std::string_view, 6>& lines) {
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

class CalculateTable : public testing::TestWithParam<test::ReportRow> {};

TEST_P(CalculateTable, WritesTheSixLineReport) {
    const test::ReportRow& c = GetParam();
    EXPECT_EQ(Report(c.kind, c.input, ","), Lines(c.lines));
}

INSTANTIATE_TEST_SUITE_P(Kinds, CalculateTable, testing::ValuesIn(test::kReportRows),
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

class CalculateFailure : public testing::TestWithParam<test::FailureRow> {};

TEST_P(CalculateFailure, StopsAtTheFailingStepLeavingWhatWasWritten) {
    const test::FailureRow& c = GetParam();
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

INSTANTIATE_TEST_SUITE_P(Steps, CalculateFailure, testing::ValuesIn(test::kFailureRows),
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
