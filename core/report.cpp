#include "report.h"

#include "checked_math.h"
#include "number_text.h"
#include "triangle.h"

namespace triangle30 {

namespace {

void Append(ResultBox& box, std::string_view label, std::string_view value, std::string_view end) {
    std::string text = box.GetText();
    text.reserve(text.size() + label.size() + value.size() + end.size());
    text += label;
    text += value;
    text += end;
    box.SetText(text);
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
    Append(box, "Катет AC = ", f(s.AC), kLineEnd);
    Append(box, "Хипотенуза AB = ", f(s.AB), kLineEnd);
    const double perimeter = Add(Add(s.BC, s.AC), s.AB);
    Append(box, "Изчислен периметър P = ", f(perimeter), kLineEnd);
    Append(box, "Проверка с теорема на Питагор:", "", kLineEnd);
    const double q1 = Mul(s.BC, s.BC);
    const double q2 = Mul(s.AC, s.AC);
    const double q3 = Mul(s.AB, s.AB);
    Append(box, f(q1) + " + " + f(q2) + " = ", f(q3), "");
}

}  // namespace triangle30
