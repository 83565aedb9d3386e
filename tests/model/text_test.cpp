// SPDX-License-Identifier: MIT
// The text rules of the window: numbers shown in value and result boxes, rounding of the lift and
// moment texts, and reading the Mach number typed by the user.

#include "model/decimal.h"
#include "model/text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace kestrel {
namespace {

struct TextCase {
    double value;
    const char* point; // with separator "."
    const char* comma; // with separator ","
};

TEST(NumberText, ShortestFixedDecimalWithTheGivenSeparator) {
    const TextCase cases[] = {
        {0.12, "0.12", "0,12"},
        {0.0, "0", "0"},
        {-0.0, "0", "0"},
        {-3.0, "-3", "-3"},
        {51.0, "51", "51"},
        {-0.5, "-0.5", "-0,5"},
        {1e-7, "0.0000001", "0,0000001"},
        {-1e-7, "-0.0000001", "-0,0000001"},
        {1e21, "1000000000000000000000", "1000000000000000000000"},
        {0.1 + 0.2, "0.30000000000000004", "0,30000000000000004"}, // 0.1 + 0.2 is not 0.3
        {1.0 / 3, "0.3333333333333333", "0,3333333333333333"},
        {123456.75, "123456.75", "123456,75"},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(numberText(c.value, "."), c.point) << c.point;
        EXPECT_EQ(numberText(c.value, ","), c.comma) << c.point;
    }
}

// Every scroll value p/100 is shown as its two-decimal text without trailing zeros.
TEST(NumberText, ScrollValuesReadAsTheirDecimals) {
    for (int p = 0; p <= 100; ++p) {
        std::string expected = p == 100 ? "1"
                               : p == 0 ? "0"
                                        : "0." + std::to_string(p / 10) + std::to_string(p % 10);
        if (p % 10 == 0 && p != 0 && p != 100) {
            expected.pop_back();
        }
        EXPECT_EQ(numberText(p / 100.0, "."), expected);
    }
}

// For any finite double: fixed notation, at most 17 significant digits below 2^53, no trailing
// zeros after the separator, and the text reads back as the same double.
TEST(NumberText, RoundTripsWithoutExponent) {
    std::mt19937_64 engine(20240611);
    std::uniform_int_distribution<int> exponent(-40, 40);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    for (int i = 0; i < 2000; ++i) {
        const double v = mantissa(engine) * std::pow(10.0, exponent(engine));
        const std::string text = numberText(v, ".");
        SCOPED_TRACE(text);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), v);
        if (text.find('.') != std::string::npos) {
            EXPECT_NE(text.back(), '0');
            EXPECT_NE(text.back(), '.');
        }
        std::string digits;
        for (char ch : text) {
            if (ch >= '0' && ch <= '9' && !(digits.empty() && ch == '0')) {
                digits += ch;
            }
        }
        while (!digits.empty() && digits.back() == '0') {
            digits.pop_back(); // trailing zeros of a whole number are not significant
        }
        // Doubles from 2^53 up are whole numbers whose fixed text is the exact integer, as long
        // as any other text of the same length; below that 17 significant digits always suffice.
        if (std::fabs(v) < 0x1p53) {
            EXPECT_LE(digits.size(), 17u);
        }
        std::string comma = numberText(v, ",");
        for (char& ch : comma) {
            if (ch == ',') {
                ch = '.';
            }
        }
        EXPECT_EQ(comma, text);
    }
    EXPECT_EQ(
        std::strtod(numberText(std::numeric_limits<double>::denorm_min(), ".").c_str(), nullptr),
        std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(numberText(std::numeric_limits<double>::max(), ".").size(), 309u);
}

struct RoundCase {
    double value;
    int decimals;
    double expected;
};

// Ties: the values are multiples of 1/32 or 1/64, whose products with 10^4 or 10^5 are exact in
// binary (few significant bits times an exact power of ten) and end in exactly .5, so the tie
// must go to the even whole number: 312.5 -> 312, 937.5 -> 938, 1562.5 -> 1562, 4687.5 -> 4688.
TEST(RoundDecimals, TiesGoToTheEvenDigit) {
    const RoundCase cases[] = {
        {1.0 / 32, 4, 0.0312},    {3.0 / 32, 4, 0.0938},  {-1.0 / 32, 4, -0.0312},
        {-3.0 / 32, 4, -0.0938},  {1.0 / 64, 5, 0.01562}, {3.0 / 64, 5, 0.04688},
        {-1.0 / 64, 5, -0.01562}, {5.0 / 32, 4, 0.1562},  {7.0 / 64, 5, 0.10938},
    };
    for (const RoundCase& c : cases) {
        // The product must really be a tie for the case to mean anything.
        const double scaled = c.value * std::pow(10.0, c.decimals);
        ASSERT_EQ(scaled - std::trunc(scaled), std::copysign(0.5, c.value)) << c.value;
        EXPECT_EQ(roundDecimals(c.value, c.decimals), c.expected) << c.value;
    }
}

TEST(RoundDecimals, OrdinaryValues) {
    const RoundCase cases[] = {
        {0.123456, 4, 0.1235},
        {0.123456, 5, 0.12346},
        {0.123444, 4, 0.1234},
        {-2.718281828, 4, -2.7183},
        {-2.718281828, 5, -2.71828},
        {1.5, 4, 1.5},
        {3.0, 5, 3.0},
        {0.000049, 4, 0.0},
        {2.99999999, 4, 3.0},
    };
    for (const RoundCase& c : cases) {
        EXPECT_EQ(roundDecimals(c.value, c.decimals), c.expected) << c.value;
    }
}

// What the lift and moment boxes show: the rounded value's shortest text. A small negative value
// rounds to -0, which is shown as "0".
TEST(RoundDecimals, RoundedValuesShowTheirDecimals) {
    EXPECT_EQ(numberText(roundDecimals(0.123456, 4), "."), "0.1235");
    EXPECT_EQ(numberText(roundDecimals(-1.234567, 5), ","), "-1,23457");
    EXPECT_EQ(numberText(roundDecimals(-0.000049, 4), "."), "0");
    EXPECT_EQ(numberText(roundDecimals(0.1 + 0.2, 4), "."), "0.3");
}

struct MachCase {
    const char* text;
    double value;
};

TEST(MachText, LongestLeadingDecimalNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    const MachCase cases[] = {
        {"0", 0},
        {"", 0},
        {"abc", 0},
        {"0.3", 0.3},
        {" 0 . 3", 0.3},
        {"\t-0.6\n", -0.6},
        {"+.5", 0.5},
        {"5.", 5},
        {"0,6", 0},
        {"1,5", 1},
        {"1e", 1},
        {"1e+", 1},
        {"1E-", 1},
        {"2e-1", 0.2},
        {"2E+2", 200},
        {"1e999", inf},
        {"-1e999", -inf},
        {".e1", 0},
        {"-", 0},
        {"+", 0},
        {".", 0},
        {"0.3abc", 0.3},
        {"1.2.3", 1.2},
        {"1 e 2", 100},
        {"- 0.6", -0.6},
        {"\n\t 7", 7},
        {"e5", 0},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"--1", 0},
        {"1e2.5", 100},
        {"0.00000000000000000000000000000000000000000000000001", 1e-50},
    };
    for (const MachCase& c : cases) {
        EXPECT_EQ(machFromText(c.text), c.value) << '"' << c.text << '"';
    }
}

// The Mach text always uses "." whatever the C library's numeric locale says; a locale with a
// decimal comma must not change a single result.
TEST(MachText, IgnoresTheProcessLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "tr_TR.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",") << chosen;
    const double point = machFromText("0.6");
    const double comma = machFromText("0,6");
    const double exponent = machFromText(" 2 . 5e-1");
    const std::string text = numberText(0.12, ".");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(point, 0.6);
    EXPECT_EQ(comma, 0.0);
    EXPECT_EQ(exponent, 0.25);
    EXPECT_EQ(text, "0.12");
}

// The options' numbers: a plain decimal and nothing around it, in any process locale.
TEST(DecimalOption, PlainDecimalsOnly) {
    for (const auto& [text, expected] : {std::pair{"0.5", 0.5},
                                         {"-2", -2.0},
                                         {"3e6", 3e6},
                                         {"1.", 1.0},
                                         {".25", 0.25},
                                         {"-0", 0.0}}) {
        double value = 99;
        EXPECT_TRUE(decimalOf(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* text : {"", "+1", " 1", "1 ", "0x10", "-0X1p3", "1,5", "nan", "inf", "1e999",
                             "1e-999", "e5", "-", "."}) {
        double value = 99;
        EXPECT_FALSE(decimalOf(text, value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
}

} // namespace
} // namespace kestrel
