// SPDX-License-Identifier: MIT
// Benchmarks of the numbers behind the Theory tab, the surface's supersonic stretches and a
// state's comparison numbers: one state each, from the window's state after its chain. No Qt.
#include "bench/flow_cases.h"
#include "model/comparison.h"
#include "model/compressibility.h"
#include "model/supersonic.h"
#include "model/theory.h"

#include <benchmark/benchmark.h>

namespace {

using kestrel::State;

// The camber line at 128 stations, thin-airfoil theory of it, the exact values and both loads.
void BM_TheoryComparison(benchmark::State& bench) {
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
        return;
    }
    for (auto _ : bench) {
        const kestrel::TheoryComparison t = kestrel::compareWithThinAirfoil(s);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_TheoryComparison)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// What the Compressibility tab's second chart needs beyond the Mach chart's surface: the sampled
// sides, each rule's Cp along them and each rule's supersonic stretches at M 0.55.
void BM_SupersonicExtent(benchmark::State& bench) {
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
        return;
    }
    const kestrel::CompressibleSurface surface(s);
    for (auto _ : bench) {
        const kestrel::SonicSurface sonic(s, surface);
        const auto pressures = sonic.pressures(0.55);
        benchmark::DoNotOptimize(pressures);
        for (kestrel::CompressibilityRule rule : kestrel::kCompressibilityRules) {
            const auto extents = sonic.extents(rule, 0.55);
            benchmark::DoNotOptimize(extents);
        }
    }
}
BENCHMARK(BM_SupersonicExtent)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The numbers of one state in a comparison: its compressible surface and the theory.
void BM_StateNumbers(benchmark::State& bench) {
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
        return;
    }
    for (auto _ : bench) {
        const kestrel::StateNumbers n = kestrel::stateNumbers(s);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_StateNumbers)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
