// SPDX-License-Identifier: MIT
// The five plots, drawn from the state that the chain's numbers left: each clears its surface,
// sets its coordinates and draws; none computes or changes a model value.
#pragma once

#include "model/state.h"
#include "plots/surface.h"

namespace kestrel {

// Whether a plot adds the compressible (Prandtl-Glauert) curves, as the chain's numbers decided.
enum class CompressibleCurves { Hidden, Shown };

// The circle plane on `daire`: axes, a cross at the circle centre, the point list as a closed
// polygon (lower half red, upper half blue).
void drawCirclePlane(Surface& daire, const State& s);

// The profile on `profil`: a grid in chord units and the profile polygon.
void drawProfile(Surface& profil, const State& s);

// The moment-reference marker on `profil`: a red circle of 0.01 chord on the chord line at xM.
void drawMomentMarker(Surface& profil, const State& s);

// 1 - Cp against x/c on `pressure`; where the compressible curves are shown, the curve divided by
// PGfactor too, in magenta.
void drawPressure(Surface& pressure, const State& s, CompressibleCurves curves);

// The lift curve CLarr on `Picture_CL` with CLcur marked; where the compressible curves are
// shown, both divided by PGfactor in magenta.
void drawLiftCurve(Surface& pictureCL, const State& s, CompressibleCurves curves);

// The moment curve CMarr on `Picture_CM` with `current`, the moment at AlfaD, marked; where the
// compressible curves are shown, both divided by PGfactor in magenta.
void drawMomentCurve(Surface& pictureCM, const State& s, double current, CompressibleCurves curves);

} // namespace kestrel
