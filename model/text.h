// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kestrel {

// The number's shortest decimal text that reads back as the same double, in fixed notation
// (never an exponent), without trailing zeros, with the given decimal separator; -0 is "0".
std::string numberText(double value, std::string_view decimalSeparator);

// A number as the pictures, their ticks and the probe show it: rounded to `decimals` places
// (fixedDecimals), the minus sign the typographic U+2212, and no sign on a value that rounds to
// zero. The window's own label texts keep their ASCII minus.
std::string tickText(double value, int decimals);

// value rounded to the given number of decimals: multiplied by 10^decimals, rounded to the
// nearest whole number with ties to even, divided by 10^decimals.
double roundDecimals(double value, int decimals);

// The Mach number typed into its box: blanks, tabs and line feeds are skipped wherever they
// stand; the longest leading decimal number (optional sign, digits with at most one ".", an
// optional complete exponent) is its value; a text that does not begin with a number gives 0.
// A number too large for a double reads as an infinity.
double machFromText(std::string_view text);

// A value in a table of the study views: rounded to `decimals` places (ties to even) and
// written with a "." by numberText; kMissingValue for a value that is not finite.
inline constexpr std::string_view kMissingValue = "–";
std::string cellText(double value, int decimals);

// The text with each "%1", "%2" ... replaced by the first, second ... of the values (up to 9).
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);

// The texts of the window's result boxes: CL rounded to 4 and CM to 5 decimals (ties to even),
// then written by numberText.
std::string liftBoxText(double CLcur, std::string_view decimalSeparator);
std::string momentBoxText(double CMcur, std::string_view decimalSeparator);

} // namespace kestrel
