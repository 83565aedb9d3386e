#pragma once

#include "model/state.h"
#include "plots/surface.h"

namespace kestrel {

// The circle plane on `daire`: axes, a cross at the circle centre, the point list as a closed
// polygon (lower half red, upper half blue).
void drawCirclePlane(Surface& daire, const State& s);

// The profile on `profil`: a grid in chord units and the profile polygon.
void drawProfile(Surface& profil, const State& s);

// The moment-reference marker on `profil`: a red circle of 0.01 chord on the chord line at xM.
void drawMomentMarker(Surface& profil, const State& s);

// 1 - Cp against x/c on `pressure`, with the Prandtl-Glauert curve for a Mach number other
// than 0. Stores the Prandtl-Glauert factor in PGfactor where it exists.
void drawPressure(Surface& pressure, State& s, double mach);

// Computes the lift curve and draws it on `Picture_CL` with the current angle marked, and its
// compressible counterpart for a Mach number other than 0.
void drawLiftCurve(Surface& pictureCL, State& s, double mach);

// Computes the moment curve about xM and draws it on `Picture_CM` with the current angle marked,
// and its compressible counterpart for a Mach number other than 0. Returns the moment
// coefficient at the current angle of attack.
double drawMomentCurve(Surface& pictureCM, State& s, double mach);

} // namespace kestrel
