// SPDX-License-Identifier: MIT
#pragma once

#include "model/state.h"

#include <optional>

namespace kestrel {

// Angles of the coefficient curves: entries 0 to 24 of AlfaArr hold -12 to 12 degrees.
inline constexpr long kCurveFirst = 0;
inline constexpr long kCurveLast = 24;

// The angle in degrees of curve entry k.
inline constexpr double curveAngle(long k) {
    return static_cast<double>(k - 12);
}

// Radians of an angle in degrees, (degrees * pi) / 180 with the program's pi.
double radians(const State& s, double degrees);

// Degrees of an angle in radians, (radians * 180) / pi with the program's pi.
double degrees(const State& s, double radians);

// Lift law: CL = 8 pi (R/c) sin(alpha + Beta), alpha in degrees.
double liftCoefficient(const State& s, double alfaDegrees);

// The lift law's slope at zero lift (alpha = -Beta), per radian: dCL/dalpha = 8 pi (R/c).
double liftSlope(const State& s);

// Fills AlfaArr and CLarr (entries 0 to 24) and CLcur at the current AlfaD.
void computeLiftCurve(State& s);

// Moment reference xM from its scroll position (hundredths of the chord).
void setMomentReference(State& s, int xmPosition);

// True once a profile has been computed: the moment law divides by Chord, which is 0 before.
bool profileExists(const State& s);

// Moment law about x/c = xM, for an angle in degrees and the lift coefficient at that angle.
double momentCoefficient(const State& s, double alfaDegrees, double liftCoefficient);

// The same law about the point (xRef, 0) instead of the state's xM.
double momentCoefficientAbout(const State& s, double xRef, double alfaDegrees,
                              double liftCoefficient);

// Fills AlfaArr and CMarr (entries 0 to 24) from CLarr, and returns the moment coefficient at
// the current AlfaD with CLcur.
double computeMomentCurve(State& s);

// Prandtl-Glauert factor sqrt(1 - M^2): 1 for M = 0, and no factor at all for |M| >= 1 (or a
// Mach number that is not a number), where the compressible curves are not drawn.
std::optional<double> prandtlGlauertFactor(double mach);

// Whether the plots show the compressible curves for this Mach number: only when the factor
// exists and M is not 0. The pressure, lift and moment plots all decide through this function.
bool showsCompressible(double mach);

} // namespace kestrel
