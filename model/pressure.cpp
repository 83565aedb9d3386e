// SPDX-License-Identifier: MIT
#include "model/pressure.h"

#include "model/circle_flow.h"
#include "model/numeric.h"

namespace kestrel {

void computePressure(State& s) {
    const CircleFlow flow(s);
    for (double j = 2; j <= s.nP - 1; ++j) {
        const long i = toIndex(j);
        const double v = flow.windowSpeedRatio(s.Theta[i], s.dZdZeta[i]);
        s.Cp[i] = CircleFlow::pressureCoefficient(v);
    }
    // The cusped trailing edge has the finite speed cos(alpha + Beta) / Rc.
    if (s.nExp == 2) {
        s.Cp[1] = flow.trailingEdgeCp();
    } else {
        s.Cp[1] = 1;
    }
    s.Cp.at(s.nP) = s.Cp[1];
    // A zero-thickness profile at zero incidence: the flow leaves its leading edge smoothly.
    if (flow.throughSingularPoint() && !flow.singularLeadingEdge()) {
        s.Cp.at(s.nHalf + 1) = 0;
    }
}

} // namespace kestrel
