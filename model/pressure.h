// SPDX-License-Identifier: MIT
#pragma once

#include "model/state.h"

namespace kestrel {

// Step 1 of the pressure computation: AlfaD from the angle-of-attack scroll position.
void setAngleInput(State& s, int alfaPosition);

// Incompressible pressure coefficients Cp(1..nP) of the current profile at the current AlfaD,
// from the potential flow about the circle with the Kutta condition at the trailing edge.
void computePressure(State& s);

} // namespace kestrel
