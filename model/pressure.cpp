// SPDX-License-Identifier: MIT
#include "model/pressure.h"

#include "model/inputs.h"
#include "model/profile.h"

#include <cmath>

namespace kestrel {

namespace {

// Surface speed over free-stream speed at point j; capped at 10 on the singular point.
double speedRatio(const State& s, double alpha, long j) {
    const double sn = std::sin(s.Theta[j] + s.Delta) * s.dOverR;
    const double g = std::atan(sn / std::pow(1 - sn * sn, 0.5)); // arcsin of sn
    const double t = (s.Theta[j] - alpha) - g;
    if (s.dZdZeta[j] == 0) {
        return 10;
    }
    return ((std::sin(alpha + s.Beta) + std::sin(t)) * 2) / s.dZdZeta[j];
}

} // namespace

void setAngleInput(State& s, int alfaPosition) {
    s.AlfaD = inputValue(InputId::Alpha, alfaPosition);
}

void computePressure(State& s) {
    const double alpha = (s.pi * s.AlfaD) / 180;
    for (double j = 2; j <= s.nP - 1; ++j) {
        const long i = toIndex(j);
        const double v = speedRatio(s, alpha, i);
        s.Cp[i] = 1 - square(v);
    }
    // The cusped trailing edge has the finite speed cos(alpha + Beta) / Rc.
    if (s.nExp == 2) {
        s.Cp[1] = 1 - square(std::cos(alpha + s.Beta)) / s.Rsq;
    } else {
        s.Cp[1] = 1;
    }
    s.Cp.at(s.nP) = s.Cp[1];
    if (s.eps == 0 && s.AlfaD == 0) {
        s.Cp.at(s.nHalf + 1) = 0;
    }
}

} // namespace kestrel
