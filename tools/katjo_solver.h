// SPDX-License-Identifier: MIT
#pragma once

// Circle-plane parameters of the thickness-camber table.
//
// A row's circle has its centre at (-eps, mu) and passes through the point 1. The circle point
// on the ray at polar angle theta is P = r e^(i theta) with r = b + sqrt(b^2 + 1 + 2 eps),
// b = mu sin(theta) - eps cos(theta), and its image is z = P + 1/P. Thickness and camber of the
// mapped profile are measured on the mirror pair z(theta), z(-theta), 0 < theta < pi, over the
// chord of the symmetric profile with the same eps, L = 4 (1 + eps)^2 / (1 + 2 eps):
//   thickness = max |z(theta) - z(-theta)| / L
//   camber    = max Im(z(theta) + z(-theta)) / 2 / L

namespace kestrel::tablegen {

struct ProfileMeasures {
    double thickness;
    double camber;
};

struct CircleOffsets {
    double eps;
    double mu;
};

// Thickness and camber measures of the profile of the circle (eps, mu), eps > -1/2. Each
// maximum is bracketed by a coarse scan over theta and then located by golden-section search,
// so the value is accurate to a few units of the last place.
ProfileMeasures profileMeasures(double eps, double mu);

// The (eps, mu) whose profile has the thickness measure tc and the camber measure fc, before
// any rounding. tc = 0 gives eps = 0 and mu = 2 fc exactly (the profile is a circular arc);
// fc = 0 gives mu = 0 exactly. Otherwise a two-variable Newton iteration with a central
// difference Jacobian. Throws std::runtime_error if the iteration does not converge.
CircleOffsets solveCircleOffsets(double tc, double fc);

} // namespace kestrel::tablegen
