// SPDX-License-Identifier: MIT
#pragma once

// The two measures that define the table's eps and mu, computed here on their own (the tests do
// not use the generator's code).
//
// The circle point on the ray at polar angle theta lies at distance r = b + sqrt(b^2 + 1 + 2 eps)
// from the origin, b = mu sin(theta) - eps cos(theta); it maps to z = P + 1/P. For the mirror pair
// theta, -theta with 0 < theta < pi the thickness is the largest |z(theta) - z(-theta)| and the
// camber the largest Im(z(theta) + z(-theta)) / 2, both over the chord 4 (1 + eps)^2 / (1 + 2 eps)
// of the symmetric profile with the same eps.

namespace kestrel::test {

struct Measures {
    double thickness;
    double camber;
};

Measures measureProfile(double eps, double mu);

} // namespace kestrel::test
