// SPDX-License-Identifier: MIT
#include "model/coefficients.h"

#include "model/numeric.h"
#include "model/portable_math.h"
#include "model/profile.h"

#include <cmath>

namespace kestrel {

double radians(const State& s, double degrees) {
    return (degrees * s.pi) / 180;
}

double degrees(const State& s, double radians) {
    return (radians * 180) / s.pi;
}

double liftSlope(const State& s) {
    return (8 * s.pi) * s.RbyC;
}

double liftCoefficient(const State& s, double alfaDegrees) {
    return liftSlope(s) * portable::sin(radians(s, alfaDegrees) + s.Beta);
}

void computeLiftCurve(State& s) {
    for (long k = kCurveFirst; k <= kCurveLast; ++k) {
        s.AlfaArr[k] = curveAngle(k);
        s.CLarr[k] = liftCoefficient(s, s.AlfaArr[k]);
    }
    s.CLcur = liftCoefficient(s, s.AlfaD);
}

bool profileExists(const State& s) {
    return s.Chord != 0;
}

double momentCoefficient(const State& s, double alfaDegrees, double liftCoefficient) {
    return momentCoefficientAbout(s, s.xM, alfaDegrees, liftCoefficient);
}

double momentCoefficientAbout(const State& s, double xRef, double alfaDegrees,
                              double liftCoefficient) {
    const double r = radians(s, alfaDegrees);
    const double t1 = ((4 * s.pi) * square(1 / s.Chord)) * portable::sin(2 * r);
    const double t2 =
        (liftCoefficient * (s.eps * portable::cos(r) - s.mu * portable::sin(r))) / s.Chord;
    const double t3 = ((s.xShift + xRef) * liftCoefficient) * portable::cos(r);
    return (t1 + t2) + t3;
}

double computeMomentCurve(State& s) {
    for (long k = kCurveFirst; k <= kCurveLast; ++k) {
        s.AlfaArr[k] = curveAngle(k);
        s.CMarr[k] = momentCoefficient(s, s.AlfaArr[k], s.CLarr[k]);
    }
    return momentCoefficient(s, s.AlfaD, s.CLcur);
}

std::optional<double> prandtlGlauertFactor(double mach) {
    if (!(std::fabs(mach) < 1)) {
        return std::nullopt;
    }
    return std::sqrt(1 - square(mach));
}

bool showsCompressible(double mach) {
    return mach != 0 && prandtlGlauertFactor(mach).has_value();
}

} // namespace kestrel
