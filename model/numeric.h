// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <complex>

namespace kestrel {

// A real number used as an array index is rounded to the nearest whole number, a tie going to
// the even one (2.5 gives 2, 3.5 gives 4). std::nearbyint rounds that way in the default
// floating-point rounding mode, which the program never changes.
inline long toIndex(double value) {
    return static_cast<long>(std::nearbyint(value));
}

// The complex product a b, (ac - bd) + i (ad + bc), rounded as std::complex rounds it but without
// its check for NaN parts, which recovers infinities that finite factors never give and costs a
// tenth of a loop as short as a surface tabulation's.
inline std::complex<double> product(std::complex<double> a, std::complex<double> b) {
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// x squared, as a single correctly rounded product.
inline double square(double x) {
    return x * x;
}

} // namespace kestrel
