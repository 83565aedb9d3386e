// SPDX-License-Identifier: MIT
// The portable decimal texts against the standard library's own shortest and fixed conversions,
// which the browser build cannot use: every text must come out the same.

#include "model/decimal.h"

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace kestrel {
namespace {

std::string standardFixed(double value) {
    char buffer[512];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, r.ptr);
}

std::string standardFixed(double value, int decimals) {
    char buffer[512];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, r.ptr);
}

// Random bit patterns cover every exponent; powers of two are where the gap below a double is
// half the gap above; scroll positions over 100 and rounded coefficients are what the window
// shows; the extremes are the longest texts.
std::vector<double> sampleValues() {
    std::vector<double> values;
    std::mt19937_64 engine(7031);
    while (values.size() < 20000) {
        const double v = std::bit_cast<double>(engine());
        if (std::isfinite(v) && v != 0) {
            values.push_back(v);
        }
    }
    std::uniform_real_distribution<double> unit(-3, 3);
    for (int i = 0; i < 5000; ++i) {
        values.push_back(unit(engine));
        values.push_back(std::nearbyint(unit(engine) * 1e5) / 1e5);
    }
    for (int e = -1074; e <= 1023; ++e) {
        values.push_back(std::ldexp(1.0, e));
        values.push_back(-std::ldexp(1.0, e));
    }
    for (int p = -100; p <= 100; ++p) {
        values.push_back(p / 100.0);
    }
    values.push_back(std::numeric_limits<double>::max());
    values.push_back(std::numeric_limits<double>::min());
    values.push_back(0x1p53 + 2);
    values.push_back(0.1 + 0.2);
    return values;
}

TEST(Decimal, ShortestFixedIsTheStandardShortestFixed) {
    for (const double v : sampleValues()) {
        ASSERT_EQ(shortestFixed(v), standardFixed(v)) << std::bit_cast<std::uint64_t>(v);
    }
    EXPECT_EQ(shortestFixed(0.0), "0");
    EXPECT_EQ(shortestFixed(-0.0), "0");
}

TEST(Decimal, ShortestDigitsAreTheStandardShortestScientific) {
    for (const double v : sampleValues()) {
        char buffer[64];
        const auto r =
            std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific);
        // The standard writes the exponent with a sign and two digits at least: "1.25e-07",
        // "3e+21"; scientificText plainly: "1.25e-7", "3e21".
        const std::string standard(buffer, r.ptr);
        const std::size_t e = standard.find('e');
        const std::string plain =
            standard.substr(0, e + 1) + std::to_string(std::stoi(standard.substr(e + 1)));
        ASSERT_EQ(scientificText(shortestDigits(v)), plain);
    }
}

TEST(Decimal, FixedDecimalsAreTheStandardFixedInAnyLocale) {
    // The comma locale turns printf's point into a comma; the texts must not change.
    const char* locales[] = {"C", "de_DE.UTF-8"};
    for (const char* name : locales) {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            continue;
        }
        SCOPED_TRACE(name);
        for (const double v : sampleValues()) {
            if (std::fabs(v) < 1e30) {
                ASSERT_EQ(fixedDecimals(v, 8), standardFixed(v, 8)) << v;
                ASSERT_EQ(shortestFixed(v), standardFixed(v)) << v;
            }
        }
        EXPECT_EQ(fixedDecimals(0.125, 2), "0.12"); // exact tie: to even
        EXPECT_EQ(fixedDecimals(-1e-9, 8), "-0.00000000");
        EXPECT_EQ(readDecimal("-1.5e-3"), -0.0015);
    }
    std::setlocale(LC_ALL, "C");
}

} // namespace
} // namespace kestrel
