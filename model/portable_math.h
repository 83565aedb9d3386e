// SPDX-License-Identifier: MIT
// The elementary functions of the numeric core, written with +, -, *, /, sqrt and exact bit
// operations only, so that the desktop build and the browser module give the same bits.
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <utility>

// Every function here is within 1 ulp of the true value (most within about 0.5 ulp) and treats
// +-0, +-inf, NaN, subnormals and overflow as the C library's function of the same name does.
// The platforms' mathematical libraries differ in the last bit of sin, atan2, hypot ... and
// their complex division uses different algorithms, so a document computed with them is not the
// same text on the desktop and in the browser; computed with these it is, because IEEE-754
// rounds +, -, *, / and sqrt alike everywhere (and the core is compiled without fused
// multiply-add).
namespace kestrel::portable {

double sin(double x);
double cos(double x);
struct SinCos {
    double sin;
    double cos;
};
// sin(x) and cos(x) with one argument reduction.
SinCos sinCos(double x);
double atan(double x);
double atan2(double y, double x);
double acos(double x);

// Exact steps of double-double arithmetic (a value as the unevaluated sum hi + lo), inline for
// the functions below that are hot.
namespace exact {

struct Dd {
    double hi;
    double lo;
};

// a + b = s + e exactly.
inline Dd twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b = s + e exactly, given |a| >= |b| (or a == 0).
inline Dd fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a = hi + lo with hi of 26 significant bits, so that products of halves are exact.
inline Dd splitHalves(double a) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    const double t = kSplitter * a;
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a b = p + e exactly (Dekker's product; |a|, |b| well below 2^996).
inline Dd twoProduct(double a, double b) {
    const double p = a * b;
    const Dd x = splitHalves(a);
    const Dd y = splitHalves(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

// sqrt(a.hi + a.lo) as a double-double: the rounded root and the Newton correction.
inline Dd squareRoot(Dd a) {
    const double r = std::sqrt(a.hi);
    const Dd r2 = twoProduct(r, r);
    return {r, (((a.hi - r2.hi) - r2.lo) + a.lo) / (2 * r)};
}

// sqrt(a^2 + b^2) for a >= b >= 0, squares within the range of doubles: the sum of squares to
// twice the precision, its root rounded, then corrected by the remainder over twice the root.
inline double rootOfSquares(double a, double b) {
    const Dd a2 = twoProduct(a, a);
    const Dd b2 = twoProduct(b, b);
    const Dd s = twoSum(a2.hi, b2.hi);
    const Dd root = squareRoot(fastTwoSum(s.hi, s.lo + (a2.lo + b2.lo)));
    return root.hi + root.lo;
}

} // namespace exact

// hypot for |x| >= |y| where the squares need scaling, or are 0, infinite or NaN.
double hypotScaled(double a, double b);
inline double hypot(double x, double y) {
    double a = std::fabs(x);
    double b = std::fabs(y);
    if (a < b) {
        std::swap(a, b);
    }
    if (a < 0x1p450 && a > 0x1p-450 && b > a * 0x1p-60) { // the usual case
        return exact::rootOfSquares(a, b);
    }
    return hypotScaled(a, b);
}
double exp(double x);
double expm1(double x);
double log(double x);
double log1p(double x);
double log10(double x);
double pow(double x, double y);
double tanh(double x);

// x^y for x > 0 as e^(y ln x) in working precision: within a few ulp (the rounding of y ln x
// carries a relative error of about |y ln x| ulp into the result), for fitted laws whose
// constants carry four digits, at about half the cost of pow. NaN for x < 0, as pow gives for a
// y that is not whole.
inline double fittedPower(double x, double y) {
    return exp(y * log(x));
}

using Complex = std::complex<double>;

// a / b where the parts need scaling by powers of two, so that no intermediate overflows or
// underflows where the quotient does not (b's larger part brought to [1, 2), a's likewise), or
// where they are zero, infinite or NaN.
Complex divideScaled(Complex a, Complex b);
// a / b = (a conj(b)) / |b|^2, directly where neither part's size needs scaling.
inline Complex divide(Complex a, Complex b) {
    const double br = b.real();
    const double bi = b.imag();
    const double bm = std::max(std::fabs(br), std::fabs(bi));
    const double am = std::max(std::fabs(a.real()), std::fabs(a.imag()));
    if (bm < 0x1p450 && bm > 0x1p-450 && am < 0x1p450) {
        const double n = br * br + bi * bi;
        return {(a.real() * br + a.imag() * bi) / n, (a.imag() * br - a.real() * bi) / n};
    }
    return divideScaled(a, b);
}
inline Complex divide(double a, Complex b) {
    return divide(Complex(a, 0), b);
}
// |z|, without overflow for large parts.
inline double abs(Complex z) {
    return hypot(z.real(), z.imag());
}
// The angle of z in [-pi, pi].
inline double arg(Complex z) {
    return atan2(z.imag(), z.real());
}
// ln |z|, accurate also where |z| is near 1 (from |z|^2 held to twice the precision).
double logAbs(Complex z);
// The principal logarithm ln |z| + i arg z.
inline Complex log(Complex z) {
    return {logAbs(z), arg(z)};
}
// r e^(i theta).
inline Complex polar(double r, double theta) {
    const SinCos t = sinCos(theta);
    return {r * t.cos, r * t.sin};
}
// e^z = e^Re(z) e^(i Im(z)).
inline Complex exp(Complex z) {
    return polar(exp(z.real()), z.imag());
}

} // namespace kestrel::portable

namespace kestrel {
// The platforms' complex division: not for the core, whose quotients go through
// portable::divide; declared deleted so that a / b between complex numbers does not compile here.
std::complex<double> operator/(std::complex<double>, std::complex<double>) = delete;
std::complex<double> operator/(double, std::complex<double>) = delete;
} // namespace kestrel
