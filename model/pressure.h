// SPDX-License-Identifier: MIT
#pragma once

// The pressure step reads the angle of attack through setAngleInput (model/inputs.h).
#include "model/inputs.h"
#include "model/state.h"

namespace kestrel {

// Incompressible pressure coefficients Cp(1..nP) of the current profile at the current AlfaD,
// from the potential flow about the circle with the Kutta condition at the trailing edge.
void computePressure(State& s);

} // namespace kestrel
