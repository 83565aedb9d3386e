// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

namespace kestrel {

// A real number used as an array index is rounded to the nearest whole number, a tie going to
// the even one (2.5 gives 2, 3.5 gives 4). std::nearbyint rounds that way in the default
// floating-point rounding mode, which the program never changes.
inline long toIndex(double value) {
    return static_cast<long>(std::nearbyint(value));
}

// x squared, as a single correctly rounded product.
inline double square(double x) {
    return x * x;
}

// Where f, with a single minimum between a and b, is smallest: golden sections of [a, b] until
// the bracket is narrower than `width`, then its middle.
template <typename F> double goldenSectionMinimum(F f, double a, double b, double width) {
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double c = b - golden * (b - a);
    double d = a + golden * (b - a);
    double fc = f(c);
    double fd = f(d);
    while (b - a > width) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - golden * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + golden * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2;
}

// A root of f between a and b, given fa = f(a) and fb = f(b) of opposite signs (or one of them
// 0), by the Illinois form of regula falsi: the secant through the bracket's ends, halving the
// value kept at an end that stays twice running so that both ends close in, until the bracket
// is narrower than `width` (or 200 steps). Returns the end where |f| is smaller.
template <typename F>
double illinoisRoot(F f, double a, double b, double fa, double fb, double width) {
    int kept = 0; // -1: a stayed in the latest step, +1: b stayed
    for (int n = 0; n < 200 && fa != 0 && fb != 0 && std::fabs(b - a) > width; ++n) {
        const double c = b - (fb * (b - a)) / (fb - fa);
        const double fc = f(c);
        if ((fc < 0) == (fb < 0)) {
            b = c;
            fb = fc;
            fa = kept == -1 ? fa / 2 : fa;
            kept = -1;
        } else {
            a = c;
            fa = fc;
            fb = kept == 1 ? fb / 2 : fb;
            kept = 1;
        }
    }
    return std::fabs(fa) < std::fabs(fb) ? a : b;
}

} // namespace kestrel
