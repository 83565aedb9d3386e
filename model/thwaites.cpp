// SPDX-License-Identifier: MIT
// Thwaites' laminar method and the Cebeci-Bradshaw fits.
#include "model/thwaites.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

// Integral of ue^5 over an interval of length h where ue runs linearly from a to b:
// h (b^6 - a^6) / (6 (b - a)), written as a sum that stays exact when a = b.
double fifthPowerIntegral(double a, double b, double h) {
    const double a2 = a * a;
    const double b2 = b * b;
    const double sum =
        a2 * a2 * a + a2 * a2 * b + a2 * a * b2 + a2 * b2 * b + a * b2 * b2 + b2 * b2 * b;
    return h * sum / 6;
}

} // namespace

std::vector<double> thwaitesMomentumThickness(const std::vector<EdgeStation>& st, double nu) {
    const std::size_t n = st.size();
    std::vector<double> theta(n, 0.0);
    if (n == 0) {
        return theta;
    }
    if (st[0].ue == 0 && n >= 2) {
        const double a = st[0].dueds;
        theta[0] = a > 0 ? std::sqrt(kStagnationLambda * nu / a) : 0;
    }
    double integral = 0;
    for (std::size_t i = 1; i < n; ++i) {
        integral += fifthPowerIntegral(st[i - 1].ue, st[i].ue, st[i].s - st[i - 1].s);
        const double u = st[i].ue;
        const double u3 = u * u * u;
        theta[i] = u > 0 ? std::sqrt(0.45 * nu * integral / (u3 * u3)) : theta[i - 1];
    }
    return theta;
}

LaminarShape laminarShape(double lambda) {
    const double x = std::clamp(lambda, -0.1, 0.25);
    if (x >= 0) {
        return {2.61 - 3.75 * x + 5.24 * x * x, 0.22 + 1.57 * x - 1.8 * x * x};
    }
    return {2.088 + 0.0731 / (x + 0.14), 0.22 + 1.402 * x + 0.018 * x / (x + 0.107)};
}

double laminarSkinFriction(double l, double nu, double ue, double theta) {
    return 2 * l * nu * ue / theta;
}

} // namespace kestrel
