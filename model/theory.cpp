// SPDX-License-Identifier: MIT
// Thin-airfoil theory of the current profile's camber line beside the exact values.
#include "model/theory.h"

#include "model/coefficients.h"
#include "model/profile_sides.h"
#include "model/thin_airfoil.h"

namespace kestrel {

namespace {

constexpr double kQuarterChord = 0.25;

// The window's moment law about (1/4, 0) at an angle in degrees.
double exactMomentQuarterChord(const State& s, double alfaDegrees) {
    return momentCoefficientAbout(s, kQuarterChord, alfaDegrees, liftCoefficient(s, alfaDegrees));
}

TheoryValues exactValues(const State& s) {
    TheoryValues v;
    v.alphaZeroLift = 0 - s.Beta; // +0, not -0, for a symmetric profile
    v.liftSlope = liftSlope(s);
    v.CMQuarterChord = exactMomentQuarterChord(s, s.AlfaD);
    return v;
}

TheoryValues thinValues(const ThinAirfoil& thin) {
    return {thin.alphaZeroLift(), ThinAirfoil::kLiftSlope, thin.momentQuarterChord()};
}

TheoryValues differenceOf(const TheoryValues& exact, const TheoryValues& thin) {
    return {exact.alphaZeroLift - thin.alphaZeroLift, exact.liftSlope - thin.liftSlope,
            exact.CMQuarterChord - thin.CMQuarterChord};
}

LiftPoint liftAt(const State& s, const ThinAirfoil& thin, double alfaDegrees) {
    return {alfaDegrees, liftCoefficient(s, alfaDegrees), thin.lift(radians(s, alfaDegrees))};
}

// Thin-airfoil theory's moment about the quarter chord is the same at every angle.
MomentPoint momentAt(const State& s, const ThinAirfoil& thin, double alfaDegrees) {
    return {alfaDegrees, exactMomentQuarterChord(s, alfaDegrees), thin.momentQuarterChord()};
}

} // namespace

TheoryComparison compareWithThinAirfoil(const State& s) {
    const ProfileSides sides(s);
    TheoryComparison t;
    const std::vector<double> stations = ThinAirfoil::stations();
    std::vector<double> heights;
    heights.reserve(stations.size());
    t.camberLine.reserve(stations.size());
    t.load.reserve(stations.size());
    for (double x : stations) {
        const double upper = sides.angleAt(Side::Upper, x);
        const double lower = sides.angleAt(Side::Lower, x);
        // A symmetric profile's sides mirror each other: its camber line is the chord itself,
        // where the sum of the two heights would leave only roundings.
        const double y = s.mu == 0 ? 0 : (sides.place(upper).y + sides.place(lower).y) / 2;
        heights.push_back(y);
        t.camberLine.push_back({x, y});
        t.load.push_back({x, sides.pressure(lower) - sides.pressure(upper), 0});
    }
    const ThinAirfoil thin(heights);
    const double alpha = radians(s, s.AlfaD);
    for (LoadPoint& p : t.load) {
        p.thin = thin.load(p.x, alpha);
    }
    t.exact = exactValues(s);
    t.thin = thinValues(thin);
    t.difference = differenceOf(t.exact, t.thin);
    t.current = liftAt(s, thin, s.AlfaD);
    for (long k = kCurveFirst; k <= kCurveLast; ++k) {
        t.lift.push_back(liftAt(s, thin, curveAngle(k)));
        t.moment.push_back(momentAt(s, thin, curveAngle(k)));
    }
    t.currentMoment = momentAt(s, thin, s.AlfaD);
    return t;
}

} // namespace kestrel
