// Prints the description of the window:
//   describe            as JSON, the page's one contract: every id, role, count, place, size,
//                       colour and text that the page's scripts and tests use comes from here;
//   describe --centres  each control's name and centre in the window's pixels, a line each
//                       ("Option1_1 424 62"), for the scripts that click the real window.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "description.h"
#include "drawing.h"
#include "json.h"

namespace {

namespace form = triangle30::form;
namespace drawing = triangle30::form::drawing;
using triangle30::json::Cat;
using triangle30::json::Number;
using triangle30::json::String;

std::string Colour(const std::optional<form::Rgb>& rgb) {
    if (!rgb) {
        return "null";
    }
    return Cat({"[", std::to_string(rgb->red), ",", std::to_string(rgb->green), ",",
                std::to_string(rgb->blue), "]"});
}

std::string PointJson(drawing::Point p) {
    return Cat({"[", Number(p.x), ",", Number(p.y), "]"});
}

constexpr std::string_view KindName(form::ControlKind kind) {
    switch (kind) {
        case form::ControlKind::ResultBox:
            return "resultBox";
        case form::ControlKind::Label:
            return "label";
        case form::ControlKind::Picture:
            return "picture";
        case form::ControlKind::Frame:
            return "frame";
        case form::ControlKind::Option:
            return "option";
        case form::ControlKind::Input:
            return "input";
        case form::ControlKind::Button:
            return "button";
    }
    return "";
}

constexpr std::string_view RoleName(form::Role role) {
    switch (role) {
        case form::Role::None:
            return "";
        case form::Role::Title:
            return "title";
        case form::Role::InputLabel:
            return "inputLabel";
        case form::Role::Calculate:
            return "calculate";
        case form::Role::Clear:
            return "clear";
        case form::Role::Option:
            return "option";
    }
    return "";
}

// The centres of the controls; an option's place is within the frame.
std::string Centres() {
    std::string out;
    const form::Control* frame = nullptr;
    for (const form::Control& c : form::kControls) {
        if (c.kind == form::ControlKind::Frame) {
            frame = &c;
        }
        const int left = c.left + (c.kind == form::ControlKind::Option ? frame->left : 0);
        const int top = c.top + (c.kind == form::ControlKind::Option ? frame->top : 0);
        out += Cat({form::Handle(c), " ", std::to_string(left + c.width / 2), " ",
                    std::to_string(top + c.height / 2), "\n"});
    }
    return out;
}

std::string Json() {
    std::string json = "{";
    const auto field = [&json](std::string_view name, const std::string& value) {
        json += Cat({String(name), ":", value, ",\n"});
    };
    field("formName", String(form::kFormName));
    field("title", String(form::kWindowTitle));
    field("displayName", String(triangle30::kDisplayName));
    field("shortName", String(form::kShortName));
    field("width", std::to_string(form::kClientWidth));
    field("height", std::to_string(form::kClientHeight));
    field("background", Colour(form::kWindowBackground));
    std::string families = "[";
    for (const std::string_view family : form::kFontFamilies) {
        families += Cat({String(family), ","});
    }
    families.back() = ']';
    field("fontFamilies", families);
    field("fontPointSize", std::to_string(form::kFontPointSize));
    field("taskText", String(form::kTaskText));
    field("inputMaxLength", std::to_string(form::kInputMaxLength));
    field("inputCutNotice", String(form::kInputCutNotice));
    field("errorTitle", String(form::kErrorTitle));
    field("messageButton", String(form::kMessageButton));
    field("needsScript", String(form::kNeedsScript));
    field("coreFailed", String(form::kCoreFailed));
    field("pictureBorder", std::to_string(form::kPictureBorder));
    field("givenKinds", std::to_string(triangle30::kGivenKindCount));

    // The names of the page's own parts: the message's, the core-failed note's, and those
    // named after their control.
    std::string parts = Cat({"{\"message\":", String(form::kMessageName),
                             ",\"messageTitle\":", String(form::kMessageTitleName),
                             ",\"messageText\":", String(form::kMessageTextName),
                             ",\"coreFailed\":", String(form::kCoreFailedName)});
    for (const form::Control& c : form::kControls) {
        if (c.kind == form::ControlKind::Input) {
            parts += Cat({",\"hint\":", String(form::PartName(c, form::kHintPart)),
                          ",\"notice\":", String(form::PartName(c, form::kNoticePart))});
        } else if (c.kind == form::ControlKind::ResultBox) {
            parts += Cat({",\"live\":", String(form::PartName(c, form::kLivePart))});
        }
    }
    field("parts", parts + "}");

    std::string controls = "[";
    for (const form::Control& c : form::kControls) {
        const std::string formulas = c.kind == form::ControlKind::Option
                                         ? form::PartName(c, form::kFormulasPart)
                                         : std::string();
        controls += Cat({"\n{\"id\":",
                         String(form::Handle(c)),
                         ",\"name\":",
                         String(c.name),
                         ",\"kind\":",
                         String(KindName(c.kind)),
                         ",\"role\":",
                         String(RoleName(c.role)),
                         ",\"formulas\":",
                         String(formulas),
                         ",\"index\":",
                         std::to_string(c.index),
                         ",\"left\":",
                         std::to_string(c.left),
                         ",\"top\":",
                         std::to_string(c.top),
                         ",\"width\":",
                         std::to_string(c.width),
                         ",\"height\":",
                         std::to_string(c.height),
                         ",\"text\":",
                         String(c.text),
                         ",\"background\":",
                         Colour(c.background),
                         ",\"accessibleName\":",
                         String(c.accessibleName),
                         ",\"toolTip\":",
                         String(c.toolTip),
                         "},"});
    }
    controls.back() = ']';
    field("controls", controls);

    std::string lines = "[";
    for (const drawing::Line& line : drawing::kLines) {
        lines += Cat(
            {"[", PointJson(line.from), ",", PointJson(line.to), ",", Number(line.width), "],"});
    }
    lines.back() = ']';
    std::string rightAngle = "[";
    for (const drawing::Point corner : drawing::kRightAngle) {
        rightAngle += Cat({PointJson(corner), ","});
    }
    rightAngle.back() = ']';
    std::string letters = "[";
    for (const drawing::Letter& letter : drawing::kLetters) {
        letters += Cat({"[", String(letter.text), ",", PointJson(letter.centre), ",",
                        letter.italic ? "true" : "false", "],"});
    }
    letters.back() = ']';
    json += Cat({R"("drawing":{"width":)", std::to_string(drawing::kWidth),
                 ",\"height\":", std::to_string(drawing::kHeight),
                 ",\"fontFamily\":", String(drawing::kFontFamily), ",\"lines\":", lines,
                 ",\"rightAngle\":", rightAngle, ",\"letters\":", letters, "}}\n"});
    return json;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool centres = argc > 1 && std::string_view(argv[1]) == "--centres";
    const std::string text = centres ? Centres() : Json();
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
