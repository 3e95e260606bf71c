// Prints the description of the window:
//   describe            as JSON, for the script that makes the web page: every id, place, size,
//                       colour and text of the page comes from here;
//   describe --centres  each control's name and centre in the window's pixels, a line each
//                       ("Option1_1 424 62"), for the scripts that click the real window.
#include <array>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "description.h"
#include "drawing.h"

namespace {

namespace form = triangle30::form;
namespace drawing = triangle30::form::drawing;

// The parts, one after another. (Appends: GCC 12 warns wrongly of overlapping copies in
// "literal" + std::string at -O3.)
std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view part : parts) {
        out += part;
    }
    return out;
}

// A JSON string: the text between quotes, with quotes, backslashes and controls escaped.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
            out += escaped.data();
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string Colour(const std::optional<form::Rgb>& rgb) {
    if (!rgb) {
        return "null";
    }
    return Cat({"[", std::to_string(rgb->red), ",", std::to_string(rgb->green), ",",
                std::to_string(rgb->blue), "]"});
}

std::string Number(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    return text.data();
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
        json += Cat({Quoted(name), ":", value, ",\n"});
    };
    field("formName", Quoted(form::kFormName));
    field("title", Quoted(form::kWindowTitle));
    field("width", std::to_string(form::kClientWidth));
    field("height", std::to_string(form::kClientHeight));
    field("background", Colour(form::kWindowBackground));
    std::string families = "[";
    for (const std::string_view family : form::kFontFamilies) {
        families += Cat({Quoted(family), ","});
    }
    families.back() = ']';
    field("fontFamilies", families);
    field("fontPointSize", std::to_string(form::kFontPointSize));
    field("taskText", Quoted(form::kTaskText));
    field("inputMaxLength", std::to_string(form::kInputMaxLength));
    field("inputCutNotice", Quoted(form::kInputCutNotice));
    field("errorTitle", Quoted(form::kErrorTitle));
    field("messageButton", Quoted(form::kMessageButton));
    field("needsScript", Quoted(form::kNeedsScript));
    field("coreFailed", Quoted(form::kCoreFailed));
    field("pictureBorder", std::to_string(form::kPictureBorder));

    std::string controls = "[";
    for (const form::Control& c : form::kControls) {
        controls += Cat({"\n{\"id\":",
                         Quoted(form::Handle(c)),
                         ",\"kind\":",
                         Quoted(KindName(c.kind)),
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
                         Quoted(c.text),
                         ",\"background\":",
                         Colour(c.background),
                         ",\"accessibleName\":",
                         Quoted(c.accessibleName),
                         ",\"toolTip\":",
                         Quoted(c.toolTip),
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
        letters += Cat({"[", Quoted(letter.text), ",", PointJson(letter.centre), ",",
                        letter.italic ? "true" : "false", "],"});
    }
    letters.back() = ']';
    json += Cat({"\"drawing\":{\"width\":", std::to_string(drawing::kWidth),
                 ",\"height\":", std::to_string(drawing::kHeight),
                 ",\"fontFamily\":", Quoted(drawing::kFontFamily), ",\"lines\":", lines,
                 ",\"rightAngle\":", rightAngle, ",\"letters\":", letters, "}}\n"});
    return json;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool centres = argc > 1 && std::string_view(argv[1]) == "--centres";
    const std::string text = centres ? Centres() : Json();
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
