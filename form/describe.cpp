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
using triangle30::json::Writer;

void Colour(Writer& w, const std::optional<form::Rgb>& rgb) {
    if (!rgb) {
        w.Null();
        return;
    }
    w.Array().Int(rgb->red).Int(rgb->green).Int(rgb->blue).End();
}

void Point(Writer& w, drawing::Point p) {
    w.Object().Key("x").Number(p.x).Key("y").Number(p.y).End();
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
        out += form::Handle(c);
        out += ' ';
        out += std::to_string(left + c.width / 2);
        out += ' ';
        out += std::to_string(top + c.height / 2);
        out += '\n';
    }
    return out;
}

void Control(Writer& w, const form::Control& c) {
    w.Object().Key("id").String(form::Handle(c)).Key("name").String(c.name);
    w.Key("kind").String(KindName(c.kind)).Key("role").String(RoleName(c.role));
    w.Key("formulas")
        .String(c.kind == form::ControlKind::Option ? form::PartName(c, form::kFormulasPart) : "");
    w.Key("index").Int(c.index).Key("left").Int(c.left).Key("top").Int(c.top);
    w.Key("width").Int(c.width).Key("height").Int(c.height).Key("text").String(c.text);
    w.Key("background");
    Colour(w, c.background);
    w.Key("accessibleName").String(c.accessibleName).Key("toolTip").String(c.toolTip).End();
}

void Drawing(Writer& w) {
    w.Object().Key("width").Int(drawing::kWidth).Key("height").Int(drawing::kHeight);
    w.Key("lines").Array();
    for (const drawing::Line& line : drawing::kLines) {
        w.Object().Key("from");
        Point(w, line.from);
        w.Key("to");
        Point(w, line.to);
        w.Key("width").Number(line.width).End();
    }
    w.End().Key("rightAngle").Array();
    for (const drawing::Point corner : drawing::kRightAngle) {
        Point(w, corner);
    }
    w.End().Key("letters").Array();
    for (const drawing::Letter& letter : drawing::kLetters) {
        w.Object().Key("text").String(letter.text).Key("centre");
        Point(w, letter.centre);
        w.Key("italic").Bool(letter.italic).Key("size").Int(drawing::LetterPixels(letter)).End();
    }
    w.End().End();
}

std::string Json() {
    Writer w;
    w.Object().Key("formName").String(form::kFormName).Key("title").String(form::kWindowTitle);
    w.Key("displayName").String(triangle30::kDisplayName).Key("shortName").String(form::kShortName);
    w.Key("width").Int(form::kClientWidth).Key("height").Int(form::kClientHeight);
    w.Key("background");
    Colour(w, form::kWindowBackground);
    // The system's colours that the window shows: its face, its bevels' greys, and the rest.
    w.Key("colours").Object();
    for (const auto& [name, rgb] : form::kSystemColours) {
        w.Key(name);
        Colour(w, rgb);
    }
    w.End().Key("fontFamilies").Array();
    for (const std::string_view family : form::kFontFamilies) {
        w.String(family);
    }
    w.End().Key("fontPointSize").Int(form::kFontPointSize).Key("taskText").String(form::kTaskText);
    w.Key("inputMaxLength").Int(form::kInputMaxLength);
    w.Key("inputCutNotice")
        .String(form::kInputCutNotice)
        .Key("errorTitle")
        .String(form::kErrorTitle);
    w.Key("messageButton")
        .String(form::kMessageButton)
        .Key("needsScript")
        .String(form::kNeedsScript);
    w.Key("coreFailed").String(form::kCoreFailed).Key("pictureBorder").Int(form::kPictureBorder);
    w.Key("givenKinds").Int(triangle30::kGivenKindCount);

    // The names of the page's own parts: the message's, the core-failed note's, and those
    // named after their control.
    w.Key("parts").Object().Key("message").String(form::kMessageName);
    w.Key("messageTitle").String(form::kMessageTitleName);
    w.Key("messageText").String(form::kMessageTextName);
    w.Key("coreFailed").String(form::kCoreFailedName);
    for (const form::Control& c : form::kControls) {
        if (c.kind == form::ControlKind::Input) {
            w.Key("hint").String(form::PartName(c, form::kHintPart));
            w.Key("notice").String(form::PartName(c, form::kNoticePart));
        } else if (c.kind == form::ControlKind::ResultBox) {
            w.Key("live").String(form::PartName(c, form::kLivePart));
        }
    }
    w.End().Key("controls").Array();
    for (const form::Control& c : form::kControls) {
        Control(w, c);
    }
    w.End().Key("drawing");
    Drawing(w);
    return w.End().Text();
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool centres = argc > 1 && std::string_view(argv[1]) == "--centres";
    const std::string text = centres ? Centres() : Json();
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
