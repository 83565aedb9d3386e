// SPDX-License-Identifier: MIT
// The colour map of the pressure coefficient: a diverging cool-warm map, blue for suction, a
// light grey for the free-stream pressure Cp = 0 and red for pressure up to the stagnation
// value Cp = 1.
#pragma once

#include "model/colours.h"

namespace kestrel {

// The shown range of Cp. Values outside it take the end colours; suction peaks on thin
// profiles reach far beyond kCpMin.
inline constexpr double kCpMin = -3;
inline constexpr double kCpMax = 1;

// The place of Cp on the map, 0 to 1: the suction half kCpMin..0 fills 0..0.5, the pressure half
// 0..kCpMax fills 0.5..1, so that the neutral middle colour is the free-stream pressure. Clamped
// to the range; NaN is placed in the middle.
double cpPosition(double Cp);
// The inverse on the range: the Cp of a place 0 to 1.
double cpAtPosition(double position);

// The cool-warm map at a place 0 to 1 (clamped): from blue (59, 76, 192) through the light grey
// (221, 221, 221) to red (180, 4, 38), interpolated in a polar form of CIE L*a*b*, so that equal
// steps of position look like equal steps of colour and the two halves are equally bright.
Colour coolWarm(double position);

// The shading draws Cp in bands: kCpBands equal steps of position, each a single colour, so that
// neighbouring cells of one band join into one polygon and the band edges read as isobars.
inline constexpr int kCpBands = 64;
int cpBand(double Cp);
Colour bandColour(int band);

} // namespace kestrel
