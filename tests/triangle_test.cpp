// Tests of the triangle solver: the sides for each known quantity, and its failures.
#include "triangle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>

#include "errors.h"
#include "number_text.h"
#include "table_row.h"

namespace triangle30 {
namespace {

struct SolveCase : test::NamedRow {
    GivenKind kind;
    double value;
    // The sides rounded to 15 significant digits.
    const char* bc;
    const char* ac;
    const char* ab;
};

class SolveTriangleTable : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveTriangleTable, GivesTheSidesToFifteenDigits) {
    const SolveCase& c = GetParam();
    const TriangleSolution s = SolveTriangle(c.kind, c.value);
    EXPECT_EQ(FormatNumber(s.BC, "."), c.bc);
    EXPECT_EQ(FormatNumber(s.AC, "."), c.ac);
    EXPECT_EQ(FormatNumber(s.AB, "."), c.ab);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SolveTriangleTable,
    testing::Values(
        SolveCase{"LegBC", GivenKind::LegBC, 1, "1", "1.73205080756888", "2"},
        SolveCase{"LegAC", GivenKind::LegAC, 1, "0.577350269189626", "1", "1.15470053837925"},
        SolveCase{"Hypotenuse", GivenKind::HypotenuseAB, 1, "0.5", "0.866025403784439", "1"},
        SolveCase{"Altitude", GivenKind::AltitudeCH, 1, "1.15470053837925", "2", "2.3094010767585"},
        SolveCase{"Median", GivenKind::MedianCM, 1, "1", "1.73205080756888", "2"},
        SolveCase{"BisectorWithShortenedPi", GivenKind::BisectorCL, 1, "1.11535513055571",
                  "1.93185175460512", "2.23071026111143"},
        SolveCase{"Area", GivenKind::AreaS, 1, "1.07456993182354", "1.8612097182042",
                  "2.14913986364708"},
        SolveCase{"AreaTen", GivenKind::AreaS, 10, "3.39808848969425", "5.88566191276542",
                  "6.79617697938849"},
        SolveCase{"ZeroGivesZeroSides", GivenKind::LegBC, 0, "0", "0", "0"},
        SolveCase{"ZeroAreaGivesZeroSides", GivenKind::AreaS, 0, "0", "0", "0"},
        SolveCase{"NegativeLegGivesNegativeSides", GivenKind::LegBC, -1, "-1", "-1.73205080756888",
                  "-2"},
        SolveCase{"NegativeBisector", GivenKind::BisectorCL, -1, "-1.11535513055571",
                  "-1.93185175460512", "-2.23071026111143"},
        SolveCase{"LargestLegThatFits", GivenKind::LegBC, 8e307, "8E+307", "1.3856406460551E+308",
                  "1.6E+308"},
        SolveCase{"HypotenuseNearTheLimit", GivenKind::HypotenuseAB, 1.7e308, "8.5E+307",
                  "1.47224318643355E+308", "1.7E+308"}),
    test::RowName());

TEST(SolveTriangle, UsesTheStatedOperationOrderToTheLastBit) {
    const double root3 = 1.7320508075688772;
    ASSERT_EQ(root3, std::sqrt(3.0));
    // Division by root3 and multiplication by its reciprocal differ in the last bit for 1.
    EXPECT_EQ(SolveTriangle(GivenKind::LegAC, 1).BC, 1 / root3);
    EXPECT_EQ(SolveTriangle(GivenKind::AltitudeCH, 1).BC, (2 * 1.0) / root3);
    EXPECT_EQ(SolveTriangle(GivenKind::AreaS, 10).BC, std::sqrt((2 * 10.0) / root3));
    // The bisector's sines come from the shortened pi, not from exact trigonometry.
    const double s60 = std::sin(188.49552 / 180);
    const double s75 = std::sin(235.6194 / 180);
    EXPECT_NEAR(s60, 0.8660252948527859, 1e-16);
    EXPECT_NEAR(s75, 0.9659257558050799, 1e-16);
    EXPECT_EQ(SolveTriangle(GivenKind::BisectorCL, 1).BC, (2 * (1 / (s60 + s60))) * s75);
}

TEST(SolveTriangle, NegativeAreaIsADomainError) {
    EXPECT_THROW(SolveTriangle(GivenKind::AreaS, -1), DomainError);
    EXPECT_THROW(SolveTriangle(GivenKind::AreaS, -1e-300), DomainError);
    EXPECT_NO_THROW(SolveTriangle(GivenKind::AreaS, -0.0));
}

struct OverflowCase : test::NamedRow {
    GivenKind kind;
    double value;
};

class SolveTriangleOverflow : public testing::TestWithParam<OverflowCase> {};

TEST_P(SolveTriangleOverflow, RaisesInsteadOfReturningInfinity) {
    EXPECT_THROW(SolveTriangle(GetParam().kind, GetParam().value), OverflowError);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SolveTriangleOverflow,
    testing::Values(OverflowCase{"TwiceTheLeg", GivenKind::LegBC, 1e308},
                    OverflowCase{"LegTimesRoot3", GivenKind::LegBC, 1.5e308},
                    OverflowCase{"NegativeLeg", GivenKind::LegBC, -1e308},
                    OverflowCase{"TwiceBCFromLegAC", GivenKind::LegAC, 1.7e308},
                    OverflowCase{"TwiceTheAltitude", GivenKind::AltitudeCH, 1e308},
                    OverflowCase{"TwiceTheMedian", GivenKind::MedianCM, 1e308},
                    OverflowCase{"TwiceTheBisectorRadius", GivenKind::BisectorCL, 1.6e308},
                    OverflowCase{"TwiceTheArea", GivenKind::AreaS, 1e308},
                    OverflowCase{"InfiniteValue", GivenKind::HypotenuseAB,
                                 std::numeric_limits<double>::infinity()}),
    test::RowName());

TEST(SolveTriangle, RejectsNaNAndUnknownKinds) {
    EXPECT_THROW(SolveTriangle(GivenKind::LegBC, std::nan("")), DomainError);
    EXPECT_THROW(SolveTriangle(static_cast<GivenKind>(7), 1), std::invalid_argument);
    EXPECT_THROW(SolveTriangle(static_cast<GivenKind>(-1), 1), std::invalid_argument);
}

// For random sizes of every kind the sides keep the shape of the triangle: AB = 2 BC and
// AC = BC root3 within a few ulps, and nothing is infinite or NaN.
TEST(SolveTriangle, SidesKeepTheShapeForRandomValues) {
    std::mt19937_64 random(30);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int kind = 0; kind < kGivenKindCount; ++kind) {
        for (int i = 0; i < 2000; ++i) {
            const double value = mantissa(random) * std::pow(10.0, exponent(random));
            const TriangleSolution s = SolveTriangle(static_cast<GivenKind>(kind), value);
            ASSERT_TRUE(std::isfinite(s.BC) && std::isfinite(s.AC) && std::isfinite(s.AB));
            if (s.BC < 1e-290) {
                continue;  // subnormal sides lose the relative precision
            }
            EXPECT_NEAR(s.AB / s.BC, 2.0, 4e-16) << "kind " << kind << " value " << value;
            EXPECT_NEAR(s.AC / s.BC, std::sqrt(3.0), 8e-16)
                << "kind " << kind << " value " << value;
        }
    }
}

}  // namespace
}  // namespace triangle30
