// SPDX-License-Identifier: MIT
// Decimal texts of doubles that do not depend on the C library's number formatting beyond
// correctly rounded printf and strtod: the shortest digits that read back as the same double,
// fixed notation with a given number of decimals, and reading a number with "." as the point.
#pragma once

#include <string>
#include <string_view>

namespace kestrel {

// A finite, non-zero double as d1.d2d3...dn x 10^exponent: the fewest significant digits that
// read back as the same double, the one nearest the double where several are that short, with
// no trailing zeros.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
DecimalDigits shortestDigits(double value);

// The digits in scientific notation: "-" when negative, d1, "." and the other digits if there
// are any, then "e" and the exponent ("1.25e-7", "3e21"); "." as the point, whatever the C
// locale.
std::string scientificText(const DecimalDigits& digits);

// The shortest round-trip digits in fixed notation (never an exponent), "." as the point and no
// trailing zeros; 0 and -0 are "0". Non-finite values give "inf", "-inf" or "nan".
std::string shortestFixed(double value);

// The value rounded to `decimals` places (the exact binary value rounded, ties to even) in fixed
// notation with exactly that many decimals (0 to 100) and "." as the point, whatever the C
// locale.
std::string fixedDecimals(double value, int decimals);

// Reads a well-formed decimal number with "." as the point, whatever the C locale; values out of
// range become infinities or zeros as strtod gives them.
double readDecimal(std::string_view number);

// A finite decimal number with nothing around it: an optional "-", digits, an optional "." and
// an optional exponent ("0.5", "-2", "3e6"). "." is the point whatever the locale.
bool decimalOf(std::string_view text, double& value);

} // namespace kestrel
