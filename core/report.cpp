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
