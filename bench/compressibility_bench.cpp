// SPDX-License-Identifier: MIT
// Benchmarks of the compressibility numbers: one state's full analysis (surface minimum, three
// critical Mach numbers, three rules' integrated lift and moment) and a chart of 100 Mach
// numbers built on one state's incompressible surface. No Qt, no drawing.
#include "model/coefficients.h"
#include "model/compressibility.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <string>

namespace {

using kestrel::State;

// The window's scroll positions: a thin cambered profile and a thick one, 5 degrees, moment
// reference at the quarter chord, 101 points.
State prepared(int thickness, int camber) {
    State s;
    kestrel::startUp(s);
    kestrel::setProfileInputs(s, thickness, camber, 101);
    if (!kestrel::computeProfile(s)) {
        return s;
    }
    kestrel::setAngleInput(s, 5);
    kestrel::computePressure(s);
    kestrel::setMomentReference(s, 25);
    return s;
}

std::string label(const State& s) {
    return "t/c " + std::to_string(s.Thickness) + ", f/c " + std::to_string(s.Camber) +
           ", alpha 5, xM 0.25";
}

void BM_FullAnalysis(benchmark::State& bench) {
    const State s = prepared(static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1)));
    if (!kestrel::profileExists(s)) {
        bench.SkipWithError("profile not in the table");
        return;
    }
    for (auto _ : bench) {
        const kestrel::CompressibilityAnalysis a = kestrel::analyseCompressibility(s, 0.6);
        benchmark::DoNotOptimize(a);
    }
    bench.SetLabel(label(s) + ", M 0.6");
}
BENCHMARK(BM_FullAnalysis)->Args({12, 4})->Args({3, 2})->Unit(benchmark::kMicrosecond);

// M = 0.00 to 0.99 in steps of 0.01: Cp*, each rule's Cp_min and CL, from one surface.
void BM_MachChart(benchmark::State& bench) {
    const State s = prepared(static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1)));
    if (!kestrel::profileExists(s)) {
        bench.SkipWithError("profile not in the table");
        return;
    }
    for (auto _ : bench) {
        const kestrel::CompressibleSurface surface(s);
        for (int step = 0; step < 100; ++step) {
            const kestrel::CompressibilityAnalysis a = surface.analyse(step / 100.0);
            benchmark::DoNotOptimize(a);
        }
    }
    bench.SetLabel(label(s) + ", M 0 to 0.99");
}
BENCHMARK(BM_MachChart)->Args({12, 4})->Args({3, 2})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
