// The six-line report that a calculation writes into the result box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace triangle30 {

// The result box as the calculation sees it: a holder of one UTF-8 text.
class ResultBox {
  public:
    virtual ~ResultBox() = default;
    virtual std::string GetText() const = 0;
    virtual void SetText(std::string_view text) = 0;
};

// A result box that keeps its text in a std::string.
class StringResultBox final : public ResultBox {
  public:
    StringResultBox() = default;
    explicit StringResultBox(std::string text) : text_(std::move(text)) {}
    std::string GetText() const override { return text_; }
    void SetText(std::string_view text) override { text_ = text; }

  private:
    std::string text_;
};

// The line end inside the result box.
inline constexpr std::string_view kLineEnd = "\r\n";

// The box text with each CR LF turned into a single line feed, as text widgets and consoles
// keep their lines: "a\r\nb\r\n" becomes "a\nb\n". Other characters stay as they are.
std::string ToLineFeeds(std::string_view boxText);

// The inverse of ToLineFeeds: each line feed not already preceded by CR becomes CR LF.
std::string ToBoxLineEnds(std::string_view text);

// Solves the triangle for the quantity `givenIndex` (0-6) of size ParseNumber(inputText) and
// writes the report into `box` in six writes, each a GetText, an append and a SetText (the
// first replaces the old text). Lines end with CR LF; nothing follows the last one:
//   Катет BC = 1 / Катет AC = 1,73205080756888 / Хипотенуза AB = 2 /
//   Изчислен периметър P = 4,73205080756888 / Проверка с теорема на Питагор: / 1 + 3 = 4
// A negative `givenIndex` means nothing is chosen: the box is left untouched.
// OverflowError and DomainError pass out at the step that raises them, leaving in the box what
// was written before it: nothing for the input and the solver, five lines when a square
// overflows. `decimalSeparator` is the user's, used for every number written.
void Calculate(std::int16_t givenIndex, std::string_view inputText, ResultBox& box,
               std::string_view decimalSeparator);

}  // namespace triangle30
