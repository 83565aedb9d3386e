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

} // namespace kestrel
