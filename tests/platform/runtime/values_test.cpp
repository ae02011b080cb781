#include "platform/runtime/values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ranvik {
namespace {

TEST(Values, ValReadsTheLeadingNumericPart) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"123", 123},    {"  12 3", 123},  {"-4.5abc", -4.5}, {"1,000", 1},  {"abc", 0},
        {"", 0},         {".5", 0.5},      {"1e3", 1000},     {"2E", 2},     {"+7", 7},
        {"3.1.4", 3.1},  {"- 2", -2},      {"１２", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(Values, IsNumericWantsTheWholeText) {
    struct Case {
        const char* text;
        bool numeric;
    } cases[] = {
        {"123", true},   {" 12 ", true},  {"-4.5", true}, {"1,000", true}, {"1e5", true},  {"１２", true},
        {"12a", false},  {"", false},     {" ", false},   {".", false},    {"1e", false},  {"-", false},
        {",1", false},   {"0.", true},    {"+.5", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNumeric(c.text), c.numeric) << c.text;
}

TEST(Values, WholeNumbersRoundHalvesToEven) {
    struct Case {
        double in;
        double out;
    } cases[] = {{13.5, 14}, {12.5, 12}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {0.5, 0}, {1.5, 2}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(Fix(-2.7), -2);
    EXPECT_EQ(Floor(-2.2), -3);
}

TEST(Values, IntegerRange) {
    EXPECT_EQ(CInt(32767.4), std::optional<std::int16_t>(32767));
    EXPECT_EQ(CInt(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(CInt(-32768.5), std::optional<std::int16_t>(-32768));
    EXPECT_EQ(CInt(-32769), std::nullopt);
    EXPECT_EQ(CInt(NAN), std::nullopt);
    EXPECT_EQ(CLng(2147483648.0), std::nullopt);
}

TEST(Values, IntegerDivisionRoundsItsOperandsFirst) {
    struct Case {
        double a;
        double b;
        std::int64_t q;
    } cases[] = {{7, 2, 3}, {-7, 2, -3}, {7.5, 2, 4}, {6.5, 2, 3}, {9, 2.5, 4}, {32767, 7, 4681}};
    for (const auto& c : cases) EXPECT_EQ(IntDiv(c.a, c.b), c.q) << c.a << " \\ " << c.b;
    EXPECT_EQ(IntDiv(1, 0.4), std::nullopt);
    for (const auto& [a, b] : {std::pair{-1.58541e29, 50.0}, {9.3e18, 1.0}, {1.0, 1e19}, {-9223372036854775808.0, -1.0},
                               {NAN, 2.0}, {INFINITY, 2.0}}) {
        EXPECT_EQ(IntDiv(a, b), std::nullopt) << a << " \\ " << b;
    }
    EXPECT_EQ(IntDiv(-9223372036854775808.0, 2), std::optional<std::int64_t>(-4611686018427387904));
}

TEST(Values, NumbersAsTextBoxesAndStrWriteThem) {
    struct Case {
        double value;
        const char* cstr;
        const char* str;
    } cases[] = {
        {12, "12", " 12"},         {-12, "-12", "-12"},    {0, "0", " 0"},
        {0.5, "0.5", " .5"},       {-0.25, "-0.25", "-.25"}, {1234.5, "1234.5", " 1234.5"},
        {1e15, "1E+15", " 1E+15"}, {0.00001, "1E-05", " 1E-05"}, {123456789012345.0, "123456789012345", " 123456789012345"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.cstr) << c.value;
        EXPECT_EQ(Str(c.value), c.str) << c.value;
    }
    // A Single keeps 7 significant digits: 1.1f is not written 1.10000002.
    EXPECT_EQ(NumberText(1.1f), "1.1");
    EXPECT_EQ(Str(1234.567f), " 1234.567");
    EXPECT_EQ(NumberText(12345678.0f), "1.234568E+07");
}

}  // namespace
}  // namespace ranvik
