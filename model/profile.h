// SPDX-License-Identifier: MIT
#pragma once

// The profile step reads its inputs through setProfileInputs (model/inputs.h).
#include "model/inputs.h"
#include "model/state.h"

namespace kestrel {

// The first table row, from 1 to KatJo_last, whose t/c and f/c equal the given values exactly;
// 0 when no row matches.
long findTableRow(const State& s, double thickness, double camber);

// The profile for the current Thickness, Camber and nP: circle-plane parameters from the table,
// chord and scale, the nP circle points and their images on the profile. Returns the table row,
// or 0 on a table miss, in which case nothing but the inputs has changed.
long computeProfile(State& s);

} // namespace kestrel
