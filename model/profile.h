// SPDX-License-Identifier: MIT
#pragma once

#include "model/state.h"

namespace kestrel {

// Converts a scroll-bar position into its model value: the position read as a double, divided
// by 100 where a scale applies. The quotient is the double nearest the decimal fraction, the
// value the table holds bit for bit.
double scrollValue(int position);
double scrollHundredths(int position);

// Step 1 of the profile computation: Thickness, Camber and nP from the three scroll positions.
void setProfileInputs(State& s, int thicknessPosition, int camberPosition, int pointsPosition);

// The first table row, from 1 to KatJo_last, whose t/c and f/c equal the given values exactly;
// 0 when no row matches.
long findTableRow(const State& s, double thickness, double camber);

// The profile for the current Thickness, Camber and nP: circle-plane parameters from the table,
// chord and scale, the nP circle points and their images on the profile. Returns the table row,
// or 0 on a table miss, in which case nothing but the inputs has changed.
long computeProfile(State& s);

} // namespace kestrel
