// SPDX-License-Identifier: MIT
#include "model/profile.h"

#include "model/numeric.h"
#include "model/portable_math.h"

#include <cmath>

namespace kestrel {

namespace {

// Local quantities of one profile computation.
struct Mapping {
    double a = 1;      // mapping constant: the singular points lie at +1 and -1
    double cScale = 0; // reciprocal of the chord of the symmetric profile with the same eps
    double nc = 0;     // nExp * cScale
};

Mapping setCircleParameters(State& s, long row) {
    Mapping m;
    s.eps = s.table.KatJo_eps[row];
    s.mu = s.table.KatJo_mu[row];
    s.nExp = 2;
    m.cScale = (m.a / (2 * s.nExp)) * (1 - portable::pow(s.eps / (s.eps + 1), s.nExp));
    m.nc = m.cScale * s.nExp;
    s.Chord = m.a / m.cScale;
    s.xShift = m.nc - m.a;
    s.Beta = portable::atan(s.mu / (s.eps + 1));
    s.Rsq = square(s.eps + 1) + square(s.mu);
    s.Rc = std::sqrt(s.Rsq);
    s.RbyC = s.Rc / s.Chord;
    s.dOverR = std::sqrt((square(s.eps) + square(s.mu)) / s.Rsq);
    s.Delta = 0;
    if (s.eps == 0) {
        if (s.mu != 0) {
            s.Delta = s.pi / 2;
        }
    } else {
        s.Delta = portable::atan(s.mu / s.eps);
    }
    return m;
}

// Places point j on the circle and maps it onto the profile.
void mapPoint(State& s, const Mapping& m, double dTheta, long j) {
    const double theta = dTheta * (-(static_cast<double>(j) - 1));
    s.Theta[j] = theta;
    const double c = portable::cos(theta);
    const double sn = portable::sin(theta);
    const double b = s.mu * sn + c * (-s.eps);
    const double r = std::sqrt(square(b) + (2 * s.eps + 1)) + b;
    s.xCirc[j] = c * r;
    s.yCirc[j] = sn * r;
    const double ap = std::sqrt((square(r) + 1) + c * (2 * r));
    const double am = std::sqrt((square(r) + 1) - c * (2 * r));
    if (ap == 0) {
        // The point lies on the singular point -1 (zero-thickness rows only).
        s.xProf[j] = 0;
        s.yProf[j] = 0;
        s.dZdZeta[j] = 0;
        return;
    }
    const double rho = am / ap;
    double phi = 0;
    if (r == 1) {
        phi = s.pi / 2;
    } else {
        phi = portable::atan(2 * sn / (r - 1 / r));
    }
    if (r < 1) {
        phi = phi - s.pi;
    }
    const double rhoN = portable::pow(rho, s.nExp);
    const double rho2N = portable::pow(rho, 2 * s.nExp);
    const double d = (rho2N + 1) - (2 * rhoN) * portable::cos(phi * s.nExp);
    s.xProf[j] = (1 - rho2N) * m.nc / d - s.xShift;
    s.yProf[j] = portable::sin(phi * s.nExp) * (rhoN * (2 * m.nc)) / d;
    s.dZdZeta[j] = portable::pow(rho, s.nExp - 1) * square(2 * s.nExp / ap) / d;
}

} // namespace

long findTableRow(const State& s, double thickness, double camber) {
    const long last = s.KatJo_last;
    for (long i = 1; i <= last; ++i) {
        if (s.table.KatJo_tc[i] == thickness && s.table.KatJo_fc[i] == camber) {
            return i;
        }
    }
    return 0;
}

long computeProfile(State& s) {
    const long row = findTableRow(s, s.Thickness, s.Camber);
    if (row == 0) {
        return 0;
    }
    const Mapping m = setCircleParameters(s, row);
    s.nSeg = s.nP - 1;
    s.nHalf = s.nSeg / 2;
    const double dTheta = (s.pi * 2) / s.nSeg;
    for (double j = 2; j <= s.nP - 1; ++j) {
        mapPoint(s, m, dTheta, toIndex(j));
    }
    const long last = toIndex(s.nP);
    for (long j : {1L, last}) {
        s.xCirc[j] = 1;
        s.yCirc[j] = 0;
        s.xProf[j] = 1;
        s.yProf[j] = 0;
    }
    return row;
}

} // namespace kestrel
