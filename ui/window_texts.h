// The fixed Bulgarian texts of the window that are not part of a report.
#pragma once

#include <array>
#include <string_view>

#include "triangle.h"
#include "web_address.h"

namespace triangle30::ui {

// The caption follows the web address (kWebAddress) and one blank.
inline constexpr std::string_view kCaptionText = "Геометрия - правоъгълен триъгълник, ъгъл";

// The task of the exercise, shown in the result box at start: sixteen lines, each ended by
// CR LF. The long second line is left for the box to wrap.
inline constexpr std::string_view kTaskText =
    "Да се състави проект реализиращ междупредметна връзка Математика и Информатика.\r\n"
    "Даден е правоъгълен триъгълник ABC (AB хипотенуза). Острият ъгъл при връх A е 30 градуса. "
    "От върха на правия ъгъл C са прекарани към хипотенузата:\r\n"
    " височина CH;\r\n"
    " медиана CM;\r\n"
    " ъглополовяща CL\r\n"
    "Чрез група радиобутони се избира кое от изброените е дадено като размер:\r\n"
    " катет BC;\r\n"
    " катет AC;\r\n"
    " хипотенуза AB;\r\n"
    " височина CH;\r\n"
    " медиана CM;\r\n"
    " ъглополовяща (бисектриса) CL;\r\n"
    " лице S.\r\n"
    "Проектът да съдържа два командни бутона:\r\n"
    "а) Изчисли - пресмята периметър на правоъгълния триъгълник;\r\n"
    "б) Изчисти - изтрива въведените данни и изчислените резултати.\r\n";

// The captions of the option buttons, indexed by GivenKind.
inline constexpr std::array<std::string_view, kGivenKindCount> kOptionCaptions = {
    "катет BC", "катет AC", "хипотенуза AB", "височина CH", "медиана CM", "бисектриса CL", "лице S",
};

// How the triangle is solved from each quantity, as the option buttons' tooltips say it.
inline constexpr std::array<std::string_view, kGivenKindCount> kSolutionFormulas = {
    "Даден е катетът BC срещу ъгъла от 30°:\nAB = 2·BC\nAC = BC·√3",
    "Даден е катетът AC:\nBC = AC / √3\nAB = 2·BC",
    "Дадена е хипотенузата AB:\nBC = AB / 2\nAC = BC·√3",
    "Дадена е височината CH:\nBC = 2·CH / √3\nAB = 2·BC\nAC = 2·CH",
    "Дадена е медианата CM, равна на половината от хипотенузата:\n"
    "AB = 2·CM\nBC = CM\nAC = CM·√3",
    "Дадена е ъглополовящата CL на правия ъгъл (синусова теорема в триъгълник CLB):\n"
    "R = CL / (2·sin 60°)\nBC = 2·R·sin 75°\nAB = 2·BC\nAC = BC·√3",
    "Дадено е лицето S = BC·AC / 2 = BC²·√3 / 2:\nBC = √(2·S / √3)\nAC = BC·√3\nAB = 2·BC",
};

inline constexpr std::string_view kInputHint =
    "Въведете размера на избраното количество. Дробната част се пише с точка, например 2.5";

// Shown at the input when a paste was longer than the input takes.
inline constexpr std::string_view kInputCut = "Въведеният текст е съкратен до %1 знака.";

inline constexpr std::string_view kErrorTitle = "Грешка при изчислението";

}  // namespace triangle30::ui
