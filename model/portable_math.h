// SPDX-License-Identifier: MIT
// The elementary functions of the numeric core, written with +, -, *, /, sqrt and exact bit
// operations only, so that the desktop build and the browser module give the same bits.
#pragma once

#include <complex>

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
double hypot(double x, double y);
double exp(double x);
double expm1(double x);
double log(double x);
double log1p(double x);
double log10(double x);
double pow(double x, double y);
double tanh(double x);

using Complex = std::complex<double>;

// a / b, scaled by powers of two so that no intermediate overflows or underflows where the
// quotient does not: (a conj(b)) / |b|^2 with b's larger part brought to [1, 2).
Complex divide(Complex a, Complex b);
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
