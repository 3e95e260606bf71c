// The drawing of the triangle in Picture1, as geometry: the window's images are drawn from it
// (resources/draw) and the web page draws it as SVG. Pixels of the 326 x 149 drawing.
//
// The right triangle with the right angle at C and 30 degrees at A, flattened: C is drawn 95
// pixels above AB, where the true triangle would put it 129 pixels above. Along AB the points
// lie where they lie in the true triangle: M in the middle, L where AL : LB = AC : BC, and H,
// the foot of the altitude, at three quarters.
#pragma once

#include <array>
#include <numbers>
#include <string_view>

namespace triangle30::form::drawing {

struct Point {
    double x;
    double y;
};

struct Line {
    Point from;
    Point to;
    double width;
};

struct Letter {
    std::string_view text;
    Point centre;
    bool italic;  // a side or a segment, in italic; else a point, upright
};

// The letters' sizes in pixels: a point's, and a side's or a segment's.
inline constexpr int kPointLetterPixels = 17;
inline constexpr int kSideLetterPixels = 16;
constexpr int LetterPixels(const Letter& letter) {
    return letter.italic ? kSideLetterPixels : kPointLetterPixels;
}

inline constexpr int kWidth = 326;
inline constexpr int kHeight = 149;
inline constexpr std::string_view kFontFamily = "Liberation Serif";  // serif, as the window's

inline constexpr double kBaseY = 118;
inline constexpr Point kA{14, kBaseY};
inline constexpr Point kB{312, kBaseY};
inline constexpr Point kM{kA.x + (kB.x - kA.x) / 2, kBaseY};
inline constexpr Point kL{kA.x + (kB.x - kA.x) * std::numbers::sqrt3 / (1 + std::numbers::sqrt3),
                          kBaseY};
inline constexpr Point kH{kA.x + (kB.x - kA.x) * 3 / 4, kBaseY};
inline constexpr Point kC{kH.x, kBaseY - 95};

inline constexpr double kLineWidth = 1.3;
inline constexpr auto kLines = std::to_array<Line>({
    {kA, kB, kLineWidth},
    {kA, kC, kLineWidth},
    {kC, kB, kLineWidth},
    {kC, kM, kLineWidth},
    {kC, kL, kLineWidth},
    {kC, kH, kLineWidth},
});

// The mark of the right angle at H: a polyline of width 1.
inline constexpr std::array<Point, 3> kRightAngle = {
    Point{kH.x, kBaseY - 8}, Point{kH.x + 8, kBaseY - 8}, Point{kH.x + 8, kBaseY}};

inline constexpr double kUnder = kBaseY + 14;  // the centre of the letters under AB
inline constexpr double kMiddleY = (kBaseY + kC.y) / 2;
inline constexpr auto kLetters = std::to_array<Letter>({
    {"A", {kA.x, kUnder}, false},
    {"M", {kM.x, kUnder}, false},
    {"L", {kL.x, kUnder}, false},
    {"H", {kH.x, kUnder}, false},
    {"B", {kB.x, kUnder}, false},
    {"C", {kH.x, kC.y - 12}, false},
    {"b", {(kA.x + kH.x) / 2 - 6, kMiddleY - 10}, true},
    {"a", {(kH.x + kB.x) / 2 + 10, kMiddleY - 8}, true},
    {"c", {(kA.x + kM.x) / 2, kUnder}, true},
    {"m", {(kM.x + kH.x) / 2 - 19, kMiddleY + 6}, true},
    {"l", {(kL.x + kH.x) / 2 + 1, kBaseY - 26}, true},
    {"h", {kH.x + 8, kMiddleY + 4}, true},
});

}  // namespace triangle30::form::drawing
