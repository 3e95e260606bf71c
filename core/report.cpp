#include "report.h"

#include <initializer_list>

#include "checked_math.h"
#include "number_text.h"
#include "triangle.h"

namespace triangle30 {

namespace {

// One write of the report after the first: the box's text, read back, then `parts`.
void Append(ResultBox& box, std::initializer_list<std::string_view> parts) {
    std::string text = box.GetText();
    std::size_t size = text.size();
    for (const std::string_view part : parts) {
        size += part.size();
    }
    text.reserve(size);
    for (const std::string_view part : parts) {
        text += part;
    }
    box.SetText(text);
}

// A labelled value and the line end.
void AppendValue(ResultBox& box, std::string_view label, const std::string& value) {
    Append(box, {label, value, kLineEnd});
}

// A line of its own: the check's heading, or the check itself, which has no line end.
void AppendLine(ResultBox& box, std::string_view line, std::string_view end) {
    Append(box, {line, end});
}

}  // namespace

std::string ToLineFeeds(std::string_view boxText) {
    std::string out;
    out.reserve(boxText.size());
    for (std::size_t i = 0; i < boxText.size(); ++i) {
        if (boxText.compare(i, kLineEnd.size(), kLineEnd) == 0) {
            ++i;
        }
        out.push_back(boxText[i]);
    }
    return out;
}

std::string ToBoxLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            out.push_back('\r');
        }
        out.push_back(text[i]);
    }
    return out;
}

void Calculate(std::int16_t givenIndex, std::string_view inputText, ResultBox& box,
               std::string_view decimalSeparator) {
    if (givenIndex < 0) {
        return;
    }
    const double v = ParseNumber(inputText);
    const TriangleSolution s = SolveTriangle(static_cast<GivenKind>(givenIndex), v);
    const auto f = [decimalSeparator](double x) { return FormatNumber(x, decimalSeparator); };

    box.SetText(std::string("Катет BC = ") + f(s.BC) + std::string(kLineEnd));
    AppendValue(box, "Катет AC = ", f(s.AC));
    AppendValue(box, "Хипотенуза AB = ", f(s.AB));
    const double perimeter = Add(Add(s.BC, s.AC), s.AB);
    AppendValue(box, "Изчислен периметър P = ", f(perimeter));
    AppendLine(box, "Проверка с теорема на Питагор:", kLineEnd);
    const double q1 = Mul(s.BC, s.BC);
    const double q2 = Mul(s.AC, s.AC);
    const double q3 = Mul(s.AB, s.AB);
    AppendLine(box, f(q1) + " + " + f(q2) + " = " + f(q3), "");
}

}  // namespace triangle30
