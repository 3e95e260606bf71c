// Tests of reading the typed size and writing the report's numbers.
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "errors.h"
#include "reference_number.h"
#include "table_row.h"

namespace triangle30 {
namespace {

struct ParseCase : test::NamedRow {
    std::string text;
    double expected;
};

class ParseNumberTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTable, ReadsTheLongestNumberPrefix) {
    const double got = ParseNumber(GetParam().text);
    EXPECT_EQ(got, GetParam().expected) << "text \"" << GetParam().text << "\"";
    EXPECT_EQ(std::signbit(got), std::signbit(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTable,
    testing::Values(
        ParseCase{"EmptyIsZero", "", 0}, ParseCase{"WordIsZero", "abc", 0},
        ParseCase{"Fraction", "12.5", 12.5}, ParseCase{"CommaEndsTheNumber", "12,5", 12},
        ParseCase{"CommaFractionIgnored", "2,5", 2}, ParseCase{"BlanksAround", "  7  ", 7},
        ParseCase{"Negative", "-3", -3}, ParseCase{"ExplicitPlus", "+3", 3},
        ParseCase{"LeadingPoint", ".5", 0.5}, ParseCase{"TrailingPoint", "5.", 5},
        ParseCase{"Exponent", "1e2", 100}, ParseCase{"CapitalExponent", "1E2", 100},
        ParseCase{"NegativeExponent", "25E-1", 2.5}, ParseCase{"PlusExponent", "2.5e+1", 25},
        ParseCase{"UnitAfterNumber", "3.5cm", 3.5}, ParseCase{"LettersAfterNumber", "12abc", 12},
        ParseCase{"SecondPointEnds", "1.2.3", 1.2}, ParseCase{"BlankInsideNumber", "1 2.5", 12.5},
        ParseCase{"TabAndLineFeedRemoved", "\t1\n2\t.\n5", 12.5},
        ParseCase{"BlanksInsideExponent", "1 e - 2", 0.01},
        ParseCase{"CarriageReturnEnds", "1\r2", 1},
        ParseCase{"NoBreakSpaceEnds",
                  "1\xC2\xA0"
                  "2",
                  1},
        ParseCase{"LoneMinusIsZero", "-", 0}, ParseCase{"LonePointIsZero", ".", 0},
        ParseCase{"SignAndPointIsZero", "-.", 0}, ParseCase{"DoubleSignIsZero", "--1", 0},
        ParseCase{"ExponentWithoutDigits", "1e", 1},
        ParseCase{"ExponentSignWithoutDigits", "1e+", 1}, ParseCase{"ExponentLetterOnly", "e5", 0},
        ParseCase{"InfinityIsZero", "inf", 0}, ParseCase{"InfinityWordIsZero", "Infinity", 0},
        ParseCase{"NanIsZero", "nan", 0}, ParseCase{"HexadecimalReadsItsZero", "0x10", 0},
        ParseCase{"OtherExponentLetter", "1d2", 1}, ParseCase{"Cyrillic", "пет", 0},
        ParseCase{"NegativeZero", "-0", -0.0}, ParseCase{"TooSmallIsZero", "1e-999", 0},
        ParseCase{"TooSmallNegativeIsZero", "-1e-400", -0.0},
        ParseCase{"SmallestSubnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
        ParseCase{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        ParseCase{"ZeroWithHugeExponent", "0e99999999999999999999", 0},
        ParseCase{"SmallMantissaHugeExponent", "0.0000000001e310", 1e300},
        ParseCase{"HalfwayRoundsToEven", "9007199254740993", 9007199254740992.0},
        ParseCase{"JustAboveHalfwayRoundsUp", "9007199254740993.0000000000000000000001",
                  9007199254740994.0},
        ParseCase{"LongFractionOfOnes", "0." + std::string(400, '3'), 1.0 / 3}),
    test::RowName());

TEST(ParseNumber, NumbersBeyondTheDoubleRangeOverflow) {
    for (const char* text :
         {"1E999", "-1E999", "1e309", "1.7976931348623159e308",
          "1.79769313486232E+308" /* the largest double as the report writes it */,
          "1e99999999999999999999999", "0.001e312"}) {
        EXPECT_THROW(ParseNumber(text), OverflowError) << text;
    }
}

TEST(ParseNumber, ReadsAMegabyteOfDigits) {
    const std::string zeros(1 << 20, '0');
    // 1 followed by a million zeros: ten to the millionth, beyond any double.
    EXPECT_THROW(ParseNumber("1" + zeros), OverflowError);
    // A million zeros after the point, scaled back by the exponent.
    EXPECT_EQ(ParseNumber("0." + zeros + "25e1048577"), 2.5);
    EXPECT_EQ(ParseNumber("0." + zeros + "1"), 0);
    // A megabyte of digits after the point still rounds correctly.
    EXPECT_EQ(ParseNumber("0." + std::string(1 << 20, '6')), 2.0 / 3);
    // A digit a megabyte past the seventeenth decides a rounding that sits on a halfway point.
    EXPECT_EQ(ParseNumber("9007199254740993." + zeros), 9007199254740992.0);
    EXPECT_EQ(ParseNumber("9007199254740993." + zeros + "1"), 9007199254740994.0);
    // A megabyte of blanks around the number.
    EXPECT_EQ(ParseNumber(std::string(1 << 20, ' ') + "2.5" + std::string(1 << 20, '\t')), 2.5);
}

// Random texts over the characters that matter to the grammar are read as a plain reading of
// the grammar reads them.
TEST(ParseNumber, AgreesWithAPlainReadingOfTheGrammar) {
    constexpr std::string_view kAlphabet = "0123456789+-.eE ,\t\nx9";
    std::mt19937 random(12);
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text.push_back(kAlphabet[pick(random)]);
        }
        const test::ReferenceNumber expected = test::ReferenceParse(text);
        if (expected.overflow) {
            ASSERT_THROW(ParseNumber(text), OverflowError) << text;
        } else {
            const double got = ParseNumber(text);
            ASSERT_EQ(got, expected.value) << text;
            ASSERT_EQ(std::signbit(got), std::signbit(expected.value)) << text;
        }
    }
}

struct FormatCase : test::NamedRow {
    double value;
    const char* expected;  // with a comma as the decimal separator
};

class FormatNumberTable : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTable, WritesFifteenSignificantDigits) {
    EXPECT_EQ(FormatNumber(GetParam().value, ","), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumberTable,
    testing::Values(
        FormatCase{"Whole", 2, "2"}, FormatCase{"Half", 0.5, "0,5"},
        FormatCase{"Root3", 1.7320508075688772, "1,73205080756888"},
        FormatCase{"RoundsUpToWhole", 2.9999999999999996, "3"},
        FormatCase{"Third", 0.3333333333333333, "0,333333333333333"},
        FormatCase{"NegativeWhole", -2, "-2"}, FormatCase{"Zero", 0, "0"},
        FormatCase{"NegativeZero", -0.0, "0"}, FormatCase{"LargestFixed", 1e14, "100000000000000"},
        FormatCase{"FifteenNines", 999999999999999, "999999999999999"},
        FormatCase{"RoundsUpIntoExponent", 999999999999999.9, "1E+15"},
        FormatCase{"SmallestExponent", 1e15, "1E+15"},
        FormatCase{"ExponentWithFraction", 1234567890123456, "1,23456789012346E+15"},
        FormatCase{"NegativeExponentForm", -1.5e20, "-1,5E+20"},
        FormatCase{"ThreeDigitExponent", 1e200, "1E+200"},
        FormatCase{"LargestDouble", 1.7976931348623157e308, "1,79769313486232E+308"},
        FormatCase{"SmallestFixed", 0.0001, "0,0001"},
        FormatCase{"SmallFixedWithDigits", 0.000123456789012345678, "0,000123456789012346"},
        FormatCase{"BelowFixed", 0.00009, "9E-05"},
        FormatCase{"RoundsUpIntoFixed", 0.000099999999999999999, "0,0001"},
        FormatCase{"SmallestSubnormal", 4.9406564584124654e-324, "4,94065645841247E-324"},
        FormatCase{"RoundsHalfFromExactValue", 0.125, "0,125"},
        FormatCase{"ExactValueDecidesTheLastDigit", 5.000000000000005, "5,00000000000001"},
        FormatCase{"TrailingZerosInWholePart", 120, "120"},
        FormatCase{"HundredThousandths", 1.5e-4, "0,00015"}),
    test::RowName());

TEST(FormatNumber, TheSeparatorComesFromTheCaller) {
    EXPECT_EQ(FormatNumber(2.5, "."), "2.5");
    EXPECT_EQ(FormatNumber(2.5, ","), "2,5");
    EXPECT_EQ(FormatNumber(2.5, "~"), "2~5");
    EXPECT_EQ(FormatNumber(-1.25e16, "~"), "-1~25E+16");
    EXPECT_EQ(FormatNumber(1.5, "\xD9\xAB"),
              "1\xD9\xAB"
              "5");  // the Arabic decimal separator
    EXPECT_EQ(FormatNumber(100, "~"), "100");
}

struct SeparatorCase : test::NamedRow {
    std::string platform;
    std::string expected;
};

class ReportDecimalSeparatorTable : public testing::TestWithParam<SeparatorCase> {};

TEST_P(ReportDecimalSeparatorTable, FallsBackToThePeriodWhenUnusable) {
    EXPECT_EQ(ReportDecimalSeparator(GetParam().platform), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Separators, ReportDecimalSeparatorTable,
    testing::Values(SeparatorCase{"Comma", ",", ","}, SeparatorCase{"Period", ".", "."},
                    SeparatorCase{"OddButUsable", "~", "~"},
                    SeparatorCase{"ArabicSeparator", "\xD9\xAB", "\xD9\xAB"},
                    SeparatorCase{"TwoCharacters", "::", "::"}, SeparatorCase{"Empty", "", "."},
                    SeparatorCase{"Digit", "5", "."}, SeparatorCase{"Minus", "-", "."},
                    SeparatorCase{"MinusSign", "\xE2\x88\x92", "."},
                    SeparatorCase{"CapitalE", "E", "."}, SeparatorCase{"Space", " ", "."},
                    SeparatorCase{"NoBreakSpace", "\xC2\xA0", "."},
                    SeparatorCase{"NarrowNoBreakSpace", "\xE2\x80\xAF", "."},
                    SeparatorCase{"LineFeed", ",\n", "."}, SeparatorCase{"Delete", "\x7F", "."},
                    SeparatorCase{"C1Control", "\xC2\x85", "."},
                    SeparatorCase{"Nul", std::string(1, '\0'), "."}),
    test::RowName());

TEST(FormatNumber, RejectsInfinityAndNaN) {
    EXPECT_THROW(FormatNumber(std::numeric_limits<double>::infinity(), ","), OverflowError);
    EXPECT_THROW(FormatNumber(-std::numeric_limits<double>::infinity(), ","), OverflowError);
    EXPECT_THROW(FormatNumber(std::nan(""), ","), DomainError);
}

// For random bit patterns the text has at most 15 significant digits, no inf or nan, and reads
// back as the double rounded to 15 digits.
TEST(FormatNumber, RoundTripsRandomDoubles) {
    std::mt19937_64 random(15);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = random();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) {
            continue;
        }
        const std::string text = FormatNumber(value, ".");
        ASSERT_EQ(text.find_first_of("infa"), std::string::npos) << text;
        const std::size_t mantissaEnd = std::min(text.find('E'), text.size());
        std::string digits = text.substr(0, mantissaEnd);
        std::erase_if(digits, [](char c) { return c == '-' || c == '.'; });
        digits.erase(0, digits.find_first_not_of('0'));
        ASSERT_LE(digits.size(), 15U) << text;
        ASSERT_EQ(ParseNumber(text), value == 0 ? 0.0 : test::RoundedToFifteenDigits(value))
            << text;
    }
}

}  // namespace
}  // namespace triangle30
