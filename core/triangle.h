// Solving the right triangle ABC (right angle at C, 30 degrees at A) from one known quantity.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace triangle30 {

// Which quantity is known. The values are the indexes of the window's option buttons.
enum class GivenKind : std::int16_t {
    LegBC = 0,
    LegAC = 1,
    HypotenuseAB = 2,
    AltitudeCH = 3,
    MedianCM = 4,
    BisectorCL = 5,
    AreaS = 6,
};

inline constexpr int kGivenKindCount = 7;

// The short names of the quantities, indexed by GivenKind.
inline constexpr std::array<std::string_view, kGivenKindCount> kQuantityNames = {
    "BC", "AC", "AB", "CH", "CM", "CL", "S"};

struct TriangleSolution {
    double BC = 0;
    double AC = 0;
    double AB = 0;
};

// Computes the legs and the hypotenuse from `value`, the size of the quantity `kind`.
// Every step is one double operation in a fixed order and grouping, so the last digit of the
// results is reproducible; e.g. kind LegAC: BC = AC / kRoot3, then AB = 2 * BC.
// The bisector uses sin(188.49552 / 180) and sin(235.6194 / 180) (a shortened pi) on purpose.
// Zero and negative values are used as they are.
// Throws OverflowError when a step leaves the double range (or `value` is infinite),
// DomainError for a negative area (or a NaN value), std::invalid_argument for a kind outside 0-6.
TriangleSolution SolveTriangle(GivenKind kind, double value);

}  // namespace triangle30
