// The window's layout as data: every control's place, size, text and colour, in tab order.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "window_texts.h"

namespace triangle30::ui {

struct Rgb {
    int red;
    int green;
    int blue;
};

enum class ControlKind { ResultBox, Label, Picture, Frame, Option, Input, Button };

struct ControlLayout {
    std::string_view name;  // the control array
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
};

inline constexpr int kClientWidth = 499;
inline constexpr int kClientHeight = 351;
inline constexpr Rgb kWindowBackground{192, 192, 255};
inline constexpr int kFontPointSize = 12;
inline constexpr std::string_view kFontFamily = "Times New Roman";
// Metric-compatible with Times New Roman and with Cyrillic, where that font is missing.
inline constexpr std::string_view kFallbackFontFamily = "Liberation Serif";

// The longest input, in UTF-16 units; a longer paste is cut, and the student told. A double
// needs at most 17 significant digits, and 767 to be written out exactly: a thousand hold any
// number a student types or pastes, blanks included, while an undo history of a thousand
// steps costs next to nothing (a megabyte paste once took the window to 400 MB).
inline constexpr int kInputMaxLength = 1000;

inline constexpr Rgb kLabelColour{255, 192, 128};
inline constexpr std::string_view kTitle =
    "Периметър на правоъгълен триъгълник с остър ъгъл 30 градуса";
inline constexpr std::string_view kInputLabel = "Въведете размер:";
inline constexpr Rgb kOptionColour{192, 255, 192};

constexpr ControlLayout Option(int index) {
    return {"Option1",
            index,
            ControlKind::Option,
            8,
            20 * index,
            129,
            20,
            kOptionCaptions[index],
            kOptionColour,
            kOptionCaptions[index]};
}

// The controls in tab order.
inline constexpr auto kControls = std::to_array<ControlLayout>({
    {"Text1", 0, ControlKind::ResultBox, 8, 224, 481, 121, kTaskText, std::nullopt, "Резултат"},
    {"Label1", 0, ControlKind::Label, 24, 0, 457, 25, kTitle, kLabelColour, kTitle},
    {"Picture1", 0, ControlKind::Picture, 8, 32, 330, 153, "", std::nullopt,
     "Чертеж на триъгълника ABC"},
    {"Frame1", 0, ControlKind::Frame, 352, 32, 137, 145, "", kWindowBackground, "Дадено е"},
    Option(0),
    Option(1),
    Option(2),
    Option(3),
    Option(4),
    Option(5),
    {"Label1", 1, ControlKind::Label, 8, 192, 145, 25, kInputLabel, kLabelColour, kInputLabel},
    {"Text2", 0, ControlKind::Input, 152, 192, 89, 27, "", std::nullopt, kInputLabel},
    {"Command1", 0, ControlKind::Button, 272, 192, 89, 25, "Изчисли", Rgb{0, 255, 0}, "Изчисли"},
    {"Command1", 1, ControlKind::Button, 400, 192, 89, 25, "Изчисти", Rgb{255, 128, 128},
     "Изчисти"},
    Option(6),
});

// The drawing's and the icon's paths in the compiled-in resources; the drawing also comes
// drawn twice as fine, for screens scaled beyond 100 %.
inline constexpr std::string_view kDrawingPath = ":/triangle30/triangle.jpg";
inline constexpr std::string_view kFineDrawingPath = ":/triangle30/triangle@2x.jpg";
inline constexpr std::string_view kIconPath = ":/triangle30/triangle30.png";

}  // namespace triangle30::ui
