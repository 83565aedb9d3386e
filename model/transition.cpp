// SPDX-License-Identifier: MIT
// The e^N envelope method's amplification rate and critical Reynolds number.
#include "model/transition.h"

#include "model/portable_math.h"

#include <cmath>
#include <numbers>

namespace kestrel {

double amplificationSlope(double H) {
    const double a = 2.4 * H - 3.7 + 2.5 * portable::tanh(1.5 * H - 4.65);
    return 0.01 * std::sqrt(a * a + 0.25);
}

double criticalReynoldsTheta(double H) {
    const double r = 1 / (H - 1);
    const double exponent = (1.415 * r - 0.489) * portable::tanh(20 * r - 12.9) + 3.295 * r + 0.44;
    return portable::exp(exponent * std::numbers::ln10);
}

double amplificationRate(double H, double theta) {
    const double l = (6.54 * H - 14.07) / (H * H);
    const double m = (0.058 * (H - 4) * (H - 4) / (H - 1) - 0.068) / l;
    return amplificationSlope(H) * 0.5 * (m + 1) * l / theta;
}

EnvelopeStation envelopeStation(double s, double H, double theta, double reTheta) {
    if (!(theta > 0)) {
        return {s, -1, 0};
    }
    return {s, reTheta - criticalReynoldsTheta(H), amplificationRate(H, theta)};
}

double amplificationGrowth(const EnvelopeStation& a, const EnvelopeStation& b) {
    if (a.excess <= 0 && b.excess <= 0) {
        return 0;
    }
    const double h = b.s - a.s;
    if (a.excess > 0 && b.excess > 0) {
        return 0.5 * h * (a.rate + b.rate);
    }
    // The onset (or the end) of amplification lies at the fraction f of the step.
    const double f = a.excess / (a.excess - b.excess);
    const double rateAtOnset = a.rate + f * (b.rate - a.rate);
    return a.excess > 0 ? 0.5 * f * h * (a.rate + rateAtOnset)
                        : 0.5 * (1 - f) * h * (rateAtOnset + b.rate);
}

} // namespace kestrel
