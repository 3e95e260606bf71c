// The description of the program's one window, MainForm: every control's handle, role,
// place, size, colour and text; the window's own texts (the task, the tooltips, the cut notice,
// the message's title and button); and the names and texts of what the web page adds around
// the controls. Standard C++ only: the Qt window and the web page are both built from it. The
// report's lines and the calculation errors' messages are the core's (report.h, errors.h); the
// command lines' texts are each program's own (ui/main.cpp, cli/main.cpp).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "build_info.h"
#include "triangle.h"

namespace triangle30::form {

struct Rgb {
    int red;
    int green;
    int blue;
};

enum class ControlKind { ResultBox, Label, Picture, Frame, Option, Input, Button };

// What a control is for, where its kind does not say it alone.
enum class Role { None, Title, InputLabel, Calculate, Clear, Option };

struct Control {
    std::string_view name;  // the control array; with the index, the control's handle: Option1_3
    int index;
    ControlKind kind;
    // Pixels at 96 dpi; an option's place is within Frame1.
    int left;
    int top;
    int width;
    int height;
    std::string_view text;
    std::optional<Rgb> background;    // none: the toolkit's colour for the kind
    std::string_view accessibleName;  // what a screen reader says
    std::string_view toolTip;         // none when empty
    Role role = Role::None;
};

// --- the window ---

inline constexpr std::string_view kFormName = "MainForm";
// The caption: the web address, one blank, then the words.
inline constexpr std::string_view kWindowTitle =
    TRIANGLE30_WEB_ADDRESS " Геометрия - правоъгълен триъгълник, ъгъл";
inline constexpr int kClientWidth = 499;
inline constexpr int kClientHeight = 351;
inline constexpr Rgb kWindowBackground{192, 192, 255};
inline constexpr int kFontPointSize = 12;

// The colours the window takes from the system (Windows' classic ones), which the page paints:
// the page's face, the greys and white of the sunken and raised bevels, the text, the tooltip's
// yellow and a disabled button's text.
struct NamedColour {
    std::string_view name;
    Rgb rgb;
};
inline constexpr auto kSystemColours = std::to_array<NamedColour>({
    {"face", {240, 240, 240}},
    {"shadow", {128, 128, 128}},
    {"darkShadow", {64, 64, 64}},
    {"light", {223, 223, 223}},
    {"highlight", {255, 255, 255}},
    {"text", {0, 0, 0}},
    {"tooltip", {255, 255, 225}},
    {"disabledText", {109, 109, 109}},
});
// Times New Roman, else its metric twin with Cyrillic, else any serif font.
inline constexpr std::array<std::string_view, 2> kFontFamilies = {"Times New Roman",
                                                                  "Liberation Serif"};

// --- texts ---

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

inline constexpr std::string_view kTitle =
    "Периметър на правоъгълен триъгълник с остър ъгъл 30 градуса";
inline constexpr std::string_view kInputLabel = "Въведете размер:";

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

// The longest input, in UTF-16 units; a longer paste is cut, and the student told so. A double
// needs at most 17 significant digits, and 767 to be written out exactly: a thousand hold any
// number a student types or pastes, blanks included, while an undo history of a thousand
// steps costs next to nothing (a megabyte paste once took the window to 400 MB).
inline constexpr int kInputMaxLength = 1000;
inline constexpr std::string_view kInputCutNotice = "Въведеният текст е съкратен до 1000 знака.";

// The message that tells of a calculation error (the core's own text): its name, with those of
// its title and its text on the page, its title and its one button.
inline constexpr std::string_view kMessageName = "Message";
inline constexpr std::string_view kMessageTitleName = "MessageTitle";
inline constexpr std::string_view kMessageTextName = "MessageText";
inline constexpr std::string_view kErrorTitle = "Грешка при изчислението";
inline constexpr std::string_view kMessageButton = "Добре";

// What the page says where its script cannot run or its calculation core does not load.
inline constexpr std::string_view kNeedsScript =
    "Тази страница изчислява с JavaScript и WebAssembly. Отворете я в браузър, който ги "
    "изпълнява (Chrome, Edge, Firefox или Safari), а не в преглед на прикачен файл.";
inline constexpr std::string_view kCoreFailed =
    "Изчислителното ядро не се зареди. Отворете страницата в по-нов браузър.";
inline constexpr std::string_view kCoreFailedName = "CoreFailed";
// The page installed as an app: its name under the icon, where the display name is too long.
inline constexpr std::string_view kShortName = "Триъгълник";

// --- the controls ---

inline constexpr Rgb kLabelColour{255, 192, 128};
inline constexpr Rgb kOptionColour{192, 255, 192};
inline constexpr Rgb kCalculateColour{0, 255, 0};
inline constexpr Rgb kClearColour{255, 128, 128};
inline constexpr std::string_view kCalculate = "Изчисли";
inline constexpr std::string_view kClear = "Изчисти";

constexpr Control Option(int index) {
    return {"Option1",
            index,
            ControlKind::Option,
            8,
            20 * index,
            129,
            20,
            kOptionCaptions.at(index),
            kOptionColour,
            kOptionCaptions.at(index),
            kSolutionFormulas.at(index),
            Role::Option};
}

// The controls in tab order.
inline constexpr auto kControls = std::to_array<Control>({
    {"Text1", 0, ControlKind::ResultBox, 8, 224, 481, 121, kTaskText, std::nullopt, "Резултат", ""},
    {"Label1", 0, ControlKind::Label, 24, 0, 457, 25, kTitle, kLabelColour, kTitle, "",
     Role::Title},
    {"Picture1", 0, ControlKind::Picture, 8, 32, 330, 153, "", std::nullopt,
     "Чертеж на триъгълника ABC", ""},
    {"Frame1", 0, ControlKind::Frame, 352, 32, 137, 145, "", kWindowBackground, "Дадено е", ""},
    Option(0),
    Option(1),
    Option(2),
    Option(3),
    Option(4),
    Option(5),
    {"Label1", 1, ControlKind::Label, 8, 192, 145, 25, kInputLabel, kLabelColour, kInputLabel, "",
     Role::InputLabel},
    {"Text2", 0, ControlKind::Input, 152, 192, 89, 27, "", std::nullopt, kInputLabel, kInputHint},
    {"Command1", 0, ControlKind::Button, 272, 192, 89, 25, kCalculate, kCalculateColour, kCalculate,
     "", Role::Calculate},
    {"Command1", 1, ControlKind::Button, 400, 192, 89, 25, kClear, kClearColour, kClear, "",
     Role::Clear},
    Option(6),
});

// The control's handle: its name, an underscore and its index, as in Option1_3. The window's
// objectName and the page's id.
inline std::string Handle(const Control& control) {
    std::string handle(control.name);
    handle += '_';
    handle += std::to_string(control.index);
    return handle;
}

// The name of a part that the page adds to a control: the handle and the part, as in
// Text2_0Hint. The input has its hint and its cut notice, the result box the live region that
// reads a report out, each option its formulas.
inline constexpr std::string_view kHintPart = "Hint";
inline constexpr std::string_view kNoticePart = "Notice";
inline constexpr std::string_view kLivePart = "Live";
inline constexpr std::string_view kFormulasPart = "Formulas";

inline std::string PartName(const Control& control, std::string_view part) {
    return Handle(control) + std::string(part);
}

// The drawing (drawing.h) inside Picture1's two-pixel sunken border.
inline constexpr int kPictureBorder = 2;

}  // namespace triangle30::form
