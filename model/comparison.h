// SPDX-License-Identifier: MIT
// The numbers by which two states of the window are set side by side: lift, moment, the suction
// peak, the critical Mach numbers and the thin-airfoil comparison.
#pragma once

#include "model/compressibility.h"
#include "model/state.h"
#include "model/theory.h"

#include <array>
#include <optional>

namespace kestrel {

struct StateNumbers {
    double CL = 0; // the window's lift and moment laws at the state's angle and reference point
    double CM = 0;
    std::optional<double> CpMin;                       // none where the suction is unbounded
    std::array<std::optional<double>, 3> criticalMach; // by ruleIndex
    TheoryValues exact;                                // see model/theory.h
    TheoryValues thin;
};

// The numbers of a state whose profile, angle of attack and moment reference are set. Throws
// std::invalid_argument when the state holds no profile.
StateNumbers stateNumbers(const State& s);

} // namespace kestrel
