// SPDX-License-Identifier: MIT
#include "model/text.h"

#include "model/decimal.h"
#include "model/portable_math.h"

#include <cmath>

namespace kestrel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the digit run that starts at position i.
std::size_t digitsAt(const std::string& s, std::size_t i) {
    std::size_t n = 0;
    while (i + n < s.size() && isDigit(s[i + n])) {
        ++n;
    }
    return n;
}

// Length of the longest leading part of s that forms a decimal number, 0 if none.
std::size_t leadingNumberLength(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t mantissaDigits = digitsAt(s, i);
    i += mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = digitsAt(s, i + 1);
        mantissaDigits += fraction;
        i += 1 + fraction;
    }
    if (mantissaDigits == 0) {
        return 0;
    }
    // An exponent counts only when complete: "1e" and "1e+" end before the "e".
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        const std::size_t exponentDigits = digitsAt(s, j);
        if (exponentDigits > 0) {
            i = j + exponentDigits;
        }
    }
    return i;
}

} // namespace

std::string numberText(double value, std::string_view decimalSeparator) {
    if (value == 0) {
        return "0"; // also for -0
    }
    std::string text;
    for (char c : shortestFixed(value)) {
        if (c == '.') {
            text += decimalSeparator;
        } else {
            text += c;
        }
    }
    return text;
}

double roundDecimals(double value, int decimals) {
    const double scale = portable::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;
}

double machFromText(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    const std::size_t length = leadingNumberLength(compact);
    if (length == 0) {
        return 0;
    }
    return readDecimal(std::string_view(compact).substr(0, length));
}

std::string liftBoxText(double CLcur, std::string_view decimalSeparator) {
    return numberText(roundDecimals(CLcur, 4), decimalSeparator);
}

std::string momentBoxText(double CMcur, std::string_view decimalSeparator) {
    return numberText(roundDecimals(CMcur, 5), decimalSeparator);
}

std::string tickText(double value, int decimals) {
    const std::string digits = fixedDecimals(std::fabs(value), decimals);
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return (value < 0 && !zero ? "\u2212" : "") + digits;
}

std::string cellText(double value, int decimals) {
    if (!std::isfinite(value)) {
        return std::string(kMissingValue);
    }
    return numberText(roundDecimals(value, decimals), ".");
}

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace kestrel
