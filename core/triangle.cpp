#include "triangle.h"

#include <cmath>
#include <stdexcept>

#include "checked_math.h"
#include "errors.h"

namespace triangle30 {

namespace {

// The square root of 3.0, correctly rounded to a double.
constexpr double kRoot3 = 1.7320508075688772;

// 60 and 75 degrees times 3.141592, as stored constants.
constexpr double kSixtyDegreesTimesPi = 188.49552;
constexpr double kSeventyFiveDegreesTimesPi = 235.6194;

TriangleSolution FromLegBC(double bc) {
    const double ab = Mul(2, bc);
    const double ac = Mul(bc, kRoot3);
    return {bc, ac, ab};
}

}  // namespace

TriangleSolution SolveTriangle(GivenKind kind, double value) {
    const double v = Checked(value);
    switch (kind) {
        case GivenKind::LegBC:
            return FromLegBC(v);
        case GivenKind::LegAC: {
            const double bc = Div(v, kRoot3);
            return {bc, v, Mul(2, bc)};
        }
        case GivenKind::HypotenuseAB: {
            const double bc = Div(v, 2);
            return {bc, Mul(bc, kRoot3), v};
        }
        case GivenKind::AltitudeCH: {
            const double bc = Div(Mul(2, v), kRoot3);
            const double ab = Mul(2, bc);
            return {bc, Mul(2, v), ab};
        }
        case GivenKind::MedianCM:
            return FromLegBC(v);
        case GivenKind::BisectorCL: {
            const double s60 = std::sin(Div(kSixtyDegreesTimesPi, 180));
            const double r = Div(v, Add(s60, s60));
            const double s75 = std::sin(Div(kSeventyFiveDegreesTimesPi, 180));
            return FromLegBC(Mul(Mul(2, r), s75));
        }
        case GivenKind::AreaS: {
            const double t = Mul(2, v);
            const double u = Div(t, kRoot3);
            const double bc = Sqrt(u);
            const double ac = Mul(bc, kRoot3);
            return {bc, ac, Mul(2, bc)};
        }
    }
    throw std::invalid_argument("GivenKind outside 0-6");
}

}  // namespace triangle30
