// SPDX-License-Identifier: MIT
#include "model/decimal.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace kestrel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// printf's "%.*e" of the value, taken apart into sign, digits and exponent. The mantissa's
// decimal point is whatever the C locale says, so only its digits are kept.
DecimalDigits scientific(double value, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
    DecimalDigits d;
    const char* c = buffer;
    if (*c == '-') {
        d.negative = true;
        ++c;
    }
    for (; *c != '\0' && *c != 'e'; ++c) {
        if (isDigit(*c)) {
            d.digits += *c;
        }
    }
    if (*c == 'e') {
        d.exponent = std::atoi(c + 1);
    }
    return d;
}

bool readsBackAs(const DecimalDigits& d, double value) {
    return readDecimal(scientificText(d)) == value;
}

// The digits with one added to (step +1) or taken from (step -1) the last place; empty when that
// would change the number of digits.
std::string stepLastDigit(std::string digits, int step) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        const int digit = digits[i] - '0' + step;
        if (digit >= 0 && digit <= 9) {
            digits[i] = static_cast<char>('0' + digit);
            return digits[0] == '0' ? std::string() : digits;
        }
        digits[i] = step > 0 ? '0' : '9';
    }
    return {};
}

// Where the gap below a double is half the gap above it (a power of two), the correctly rounded
// digits of some length may miss the double while a neighbour in the last place hits it.
bool neighbourReadsBack(DecimalDigits& d, double value) {
    for (const int step : {+1, -1}) {
        DecimalDigits n = d;
        n.digits = stepLastDigit(d.digits, step);
        if (!n.digits.empty() && readsBackAs(n, value)) {
            d = n;
            return true;
        }
    }
    return false;
}

} // namespace

std::string scientificText(const DecimalDigits& d) {
    std::string text = d.negative ? "-" : "";
    text += d.digits[0];
    if (d.digits.size() > 1) {
        text += '.';
        text.append(d.digits, 1);
    }
    return text + 'e' + std::to_string(d.exponent);
}

DecimalDigits shortestDigits(double value) {
    // Reading back is monotonic in the number of digits: find the fewest by bisection over
    // printf's precision (significant digits minus one); 17 digits always read back.
    int low = 0;
    int high = 16;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (readsBackAs(scientific(value, middle), value)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    DecimalDigits d = scientific(value, low);
    if (low > 0) {
        DecimalDigits shorter = scientific(value, low - 1);
        if (neighbourReadsBack(shorter, value)) {
            d = shorter;
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

std::string shortestFixed(double value) {
    if (value == 0) {
        return "0";
    }
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    const DecimalDigits d = shortestDigits(value);
    const auto count = static_cast<int>(d.digits.size());
    std::string text = d.negative ? "-" : "";
    if (d.exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += d.digits;
    } else if (d.exponent + 1 >= count) {
        // Every whole-number text of this length has as many characters; the nearest is the
        // double itself, a whole number here (below 2^53 it is the number those digits name).
        return fixedDecimals(value, 0);
    } else {
        const auto point = static_cast<std::size_t>(d.exponent + 1);
        text.append(d.digits, 0, point);
        text += '.';
        text.append(d.digits, point);
    }
    return text;
}

std::string fixedDecimals(double value, int decimals) {
    // The largest double has 309 digits before the point.
    char buffer[512];
    const int places = decimals < 0 ? 0 : (decimals > 100 ? 100 : decimals);
    std::snprintf(buffer, sizeof buffer, "%.*f", places, value);
    const std::string_view printed(buffer);
    // The C locale's decimal point, which may be more than one character, becomes ".".
    std::string text;
    bool pointDone = false;
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const char c = printed[i];
        if (isDigit(c) || (i == 0 && c == '-') || std::isinf(value) || std::isnan(value)) {
            text += c;
        } else if (!pointDone) {
            text += '.';
            pointDone = true;
            while (i + 1 < printed.size() && !isDigit(printed[i + 1])) {
                ++i;
            }
        }
    }
    return text;
}

namespace {

// Numbers are read in the C locale, whose decimal point is "." whatever the user's locale.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

bool isHexadecimal(std::string_view body) {
    return body.size() >= 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X');
}

} // namespace

double readDecimal(std::string_view number) {
    const std::string text(number);
    return strtod_l(text.c_str(), nullptr, cLocale());
}

// strtod rather than from_chars, which the browser build's standard library lacks for doubles;
// what strtod takes beyond a plain decimal (leading space, "+", hexadecimal, an exponent out of
// range) is refused here.
bool decimalOf(std::string_view text, double& value) {
    if (text.empty() || text.front() == '+' || std::isspace(static_cast<unsigned char>(text[0]))) {
        return false;
    }
    if (isHexadecimal(text.front() == '-' ? text.substr(1) : text)) {
        return false;
    }
    const std::string copy(text);
    char* end = nullptr;
    errno = 0;
    const double read = strtod_l(copy.c_str(), &end, cLocale());
    if (end != copy.c_str() + copy.size() || errno == ERANGE || !std::isfinite(read)) {
        return false;
    }
    value = read;
    return true;
}

} // namespace kestrel
