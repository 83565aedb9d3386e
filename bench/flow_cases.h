// SPDX-License-Identifier: MIT
// The three flows the flow benchmarks measure, a cambered profile, the symmetric profile and the
// flat plate, and the window's chain that prepares each state.
#pragma once

#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "model/state.h"

namespace kestrel::bench {

// A case as scroll positions: thickness and camber in hundredths, angle in degrees.
struct FlowCase {
    int thickness;
    int camber;
    int alfa;
    const char* label;
};

inline constexpr FlowCase kFlowCases[] = {{12, 4, 5, "t/c 0.12, f/c 0.04, alpha 5"},
                                          {12, 0, 0, "t/c 0.12, f/c 0, alpha 0"},
                                          {0, 0, 10, "flat plate, alpha 10"}};

// The state after the window's chain for the case at 51 points; false on a table miss.
inline bool prepareFlowCase(State& s, const FlowCase& c) {
    startUp(s);
    setProfileInputs(s, c.thickness, c.camber, 51);
    if (!computeProfile(s)) {
        return false;
    }
    setAngleInput(s, c.alfa);
    computePressure(s);
    return true;
}

} // namespace kestrel::bench
