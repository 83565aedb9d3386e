// SPDX-License-Identifier: MIT
#include "model/comparison.h"

namespace kestrel {

StateNumbers stateNumbers(const State& s) {
    const CompressibleSurface surface(s);
    const TheoryComparison theory = compareWithThinAirfoil(s);
    StateNumbers n;
    n.CL = surface.closedFormLift();
    n.CM = surface.closedFormMoment();
    if (!surface.minimum().unbounded) {
        n.CpMin = surface.minimum().Cp;
    }
    for (CompressibilityRule rule : kCompressibilityRules) {
        n.criticalMach[ruleIndex(rule)] = surface.criticalMach(rule);
    }
    n.exact = theory.exact;
    n.thin = theory.thin;
    return n;
}

StateNumbers stateNumbers(const State& s, const BoundaryLayerOptions& layer) {
    StateNumbers n = stateNumbers(s);
    n.layer = LayerNumbers{layer.reynolds, layer.ncrit, polarPoint(s, s.AlfaD, layer)};
    return n;
}

} // namespace kestrel
