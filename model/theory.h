// SPDX-License-Identifier: MIT
// The current profile by thin-airfoil theory beside the exact flow about it: the camber line,
// the angle of zero lift, the lift slope, the moment about the quarter chord, the lift law and
// the load along the chord, of both.
#pragma once

#include "model/state.h"

#include <vector>

namespace kestrel {

// Symbols: x/c as the window counts it (0 to 1), R the circle's radius, Beta the angle at which
// the trailing edge lies below the circle's centre, alpha the angle of attack.
// Camber line, of the exact profile whatever nP is:
//   y_c(x/c) = (y_upper(x/c) + y_lower(x/c)) / 2
//   the mean of the heights of the two sides (see ProfileSides) at equal x/c, for x/c from 0 to
//   1 (0 all along for a symmetric profile, mu = 0). A cambered profile with thickness reaches a
//   little ahead of x/c = 0 (at most 0.0042 of the chord, at t/c 0.30 and f/c 0.15); that sliver
//   of nose lies outside the chord.
// Exact values, from the flow about the circle with the Kutta condition:
//   alpha_L0   = -Beta
//   dCL/dalpha = 8 pi R/c, the slope of the lift law CL = 8 pi (R/c) sin(alpha + Beta) at zero
//                lift, where it is steepest
//   CM_c/4     = the window's moment law about (1/4, 0) at the state's alpha
//   dCp(x/c)   = Cp_lower - Cp_upper, the surface pressure of the two sides at equal x/c
// Thin values: ThinAirfoil (model/thin_airfoil.h) of the camber line, the lift slope 2 pi.
struct TheoryValues {
    double alphaZeroLift = 0;  // radians
    double liftSlope = 0;      // per radian
    double CMQuarterChord = 0; // about (1/4, 0), nose up positive
};

struct CamberPoint {
    double x = 0;
    double y = 0;
};

// dCp = Cp_lower - Cp_upper at x/c by each theory.
struct LoadPoint {
    double x = 0;
    double exact = 0;
    double thin = 0;
};

// A coefficient at an angle of attack by each theory.
struct AnglePoint {
    double alfaDegrees = 0;
    double exact = 0;
    double thin = 0;
};
using LiftPoint = AnglePoint;   // CL
using MomentPoint = AnglePoint; // CM about (1/4, 0)

struct TheoryComparison {
    TheoryValues exact;
    TheoryValues thin;
    TheoryValues difference; // exact minus thin, quantity by quantity
    LiftPoint current;       // CL of both at the state's angle
    std::vector<CamberPoint> camberLine;
    std::vector<LoadPoint> load;     // at ThinAirfoil::stations(), rising x
    std::vector<LiftPoint> lift;     // at the angles of the window's lift curve, -12 to 12 degrees
    MomentPoint currentMoment;       // CM_c/4 of both at the state's angle
    std::vector<MomentPoint> moment; // CM_c/4 at the angles of lift
};

// The comparison for the state's profile and angle of attack. Throws std::invalid_argument when
// the state holds no profile.
TheoryComparison compareWithThinAirfoil(const State& s);

} // namespace kestrel
