// A small JSON writer for the programs that print what the page and its tests read: describe,
// which prints the window's description, and the test rows' printer. One way to open and close
// an object or an array; a value within an object follows its Key.
//   json::Writer w;
//   w.Object().Key("kind").Int(1).Key("input").String("2.5").End();   // {"kind":1,"input":"2.5"}
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace triangle30::json {

class Writer {
  public:
    Writer& Object() { return Open('{', '}'); }
    Writer& Array() { return Open('[', ']'); }
    Writer& End() {
        out_ += closers_.back();
        closers_.pop_back();
        first_ = false;
        return *this;
    }
    Writer& Key(std::string_view name) {
        String(name);
        out_ += ':';
        first_ = true;  // the value follows without a comma
        return *this;
    }

    // A string between quotes, with quotes, backslashes and controls escaped.
    Writer& String(std::string_view text) {
        Separate();
        out_ += '"';
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escaped{};
                std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
                out_ += escaped.data();
            } else {
                out_ += c;
            }
        }
        out_ += '"';
        return *this;
    }
    Writer& Int(long long value) { return Raw(std::to_string(value)); }
    // A number as it reads back exactly.
    Writer& Number(double value) {
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "%.17g", value);
        return Raw(text.data());
    }
    Writer& Bool(bool value) { return Raw(value ? "true" : "false"); }
    Writer& Null() { return Raw("null"); }

    // The text written, with a line end.
    std::string Text() const { return out_ + '\n'; }

  private:
    Writer& Open(char opener, char closer) {
        Separate();
        out_ += opener;
        closers_ += closer;
        first_ = true;
        return *this;
    }
    Writer& Raw(std::string_view text) {
        Separate();
        out_ += text;
        return *this;
    }
    // A comma before every value of a container but its first.
    void Separate() {
        if (!first_) {
            out_ += ',';
        }
        first_ = false;
    }

    std::string out_;
    std::string closers_;
    bool first_ = true;
};

}  // namespace triangle30::json
