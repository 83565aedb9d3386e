// SPDX-License-Identifier: MIT
// The numbers by which two states of the window are set side by side: lift, moment, the suction
// peak, the critical Mach numbers, the thin-airfoil comparison and, where asked for, the boundary
// layer's drag and transitions.
#pragma once

#include "model/boundary_layer.h"
#include "model/compressibility.h"
#include "model/state.h"
#include "model/theory.h"

#include <array>
#include <optional>

namespace kestrel {

// The boundary layer's numbers of one state, with the Reynolds number and N_crit they are for.
struct LayerNumbers {
    double reynolds = 0;
    double ncrit = 0;
    PolarPoint point; // CD, L/D, transition and separation x/c per side at the state's angle
};

struct StateNumbers {
    double CL = 0; // the window's lift and moment laws at the state's angle and reference point
    double CM = 0;
    std::optional<double> CpMin;                       // none where the suction is unbounded
    std::array<std::optional<double>, 3> criticalMach; // by ruleIndex
    TheoryValues exact;                                // see model/theory.h
    TheoryValues thin;
    std::optional<LayerNumbers> layer; // where asked for with the layer's options
};

// The numbers of a state whose profile, angle of attack and moment reference are set. Throws
// std::invalid_argument when the state holds no profile.
StateNumbers stateNumbers(const State& s);
// The same with the boundary layer's numbers. Throws std::invalid_argument also for options out
// of their ranges.
StateNumbers stateNumbers(const State& s, const BoundaryLayerOptions& layer);

} // namespace kestrel
