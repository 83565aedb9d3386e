// SPDX-License-Identifier: MIT
// Head's entrainment method and the Ludwieg-Tillmann skin friction.
#include "model/head.h"

#include "model/portable_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace kestrel {

namespace {

// H1 at or below this has no attached layer.
constexpr double kLowestH1 = 3.3;
constexpr double kLowestReTheta = 10;

struct Slopes {
    bool valid = false;
    double theta = 0; // dtheta/ds
    double H1 = 0;    // dH1/ds
};

// The slopes of theta and H1 where ue has the logarithmic slope g = d(ln ue)/ds: the momentum
// equation as it stands, and the entrainment equation with the product rule worked out,
//   dH1/ds = (F(H1) - H1 dtheta/ds) / theta - H1 g.
Slopes slopesAt(const TurbulentLayer& layer, double ue, double g, double nu) {
    if (!(layer.H1 > kLowestH1) || !(layer.theta > 0)) {
        return {};
    }
    const double H = shapeFromEntrainment(layer.H1);
    const double cf = ludwiegTillmann(H, ue * layer.theta / nu);
    Slopes d;
    d.valid = true;
    d.theta = cf / 2 - (H + 2) * layer.theta * g;
    d.H1 = (entrainmentRate(layer.H1) - layer.H1 * d.theta) / layer.theta - layer.H1 * g;
    return d;
}

TurbulentLayer detached() {
    return {0, kLowestH1};
}

} // namespace

double entrainmentRate(double H1) {
    return 0.0306 * portable::fittedPower(H1 - 3, -0.6169);
}

double entrainmentShape(double H) {
    if (H <= 1.6) {
        return 3.3 + 0.8234 * portable::fittedPower(H - 1.1, -1.287);
    }
    return 3.3 + 1.5501 * portable::fittedPower(H - 0.6778, -3.064);
}

double shapeFromEntrainment(double H1) {
    if (!(H1 > kLowestH1)) {
        return std::numeric_limits<double>::infinity();
    }
    if (H1 >= 5.3) {
        return 1.1 + 0.86 * portable::fittedPower(H1 - 3.3, -0.777);
    }
    return 0.6778 + 1.1538 * portable::fittedPower(H1 - 3.3, -0.326);
}

double ludwiegTillmann(double H, double reTheta) {
    return 0.246 * portable::exp(-0.678 * std::numbers::ln10 * H) *
           portable::fittedPower(std::max(reTheta, kLowestReTheta), -0.268);
}

TurbulentLayer headStep(const TurbulentLayer& from, double s0, double s1, double u0, double u1,
                        double nu) {
    const double h = s1 - s0;
    const double g = h > 0 ? portable::log(u1 / u0) / h : 0;
    const Slopes k1 = slopesAt(from, u0, g, nu);
    if (!k1.valid) {
        return detached();
    }
    const TurbulentLayer mid{from.theta + 0.5 * h * k1.theta, from.H1 + 0.5 * h * k1.H1};
    const Slopes k2 = slopesAt(mid, 0.5 * (u0 + u1), g, nu);
    if (!k2.valid) {
        return detached();
    }
    const TurbulentLayer to{from.theta + h * k2.theta, from.H1 + h * k2.H1};
    if (!(to.H1 > kLowestH1) || !(to.theta > 0)) {
        return detached();
    }
    return to;
}

} // namespace kestrel
