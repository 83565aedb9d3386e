// SPDX-License-Identifier: MIT
// The three flows the flow benchmarks measure, a cambered profile, the symmetric profile and the
// flat plate, and the window's chain that prepares each state.
#pragma once

#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "model/state.h"

#include <benchmark/benchmark.h>

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

// Prepares the state of the benchmark's case (its argument 0) and labels the benchmark with it;
// on a table miss marks the benchmark skipped and returns false.
inline bool prepareBenchmarkCase(benchmark::State& bench, State& s) {
    const FlowCase& c = kFlowCases[bench.range(0)];
    if (!prepareFlowCase(s, c)) {
        bench.SkipWithError("profile not in the table");
        return false;
    }
    bench.SetLabel(c.label);
    return true;
}

} // namespace kestrel::bench
