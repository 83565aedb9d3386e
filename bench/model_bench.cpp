// SPDX-License-Identifier: MIT
// Benchmarks of the numeric core: the full computing chain that a thickness or camber change
// runs (profile, pressure, lift and moment curves, the Mach number each plot reads), each of its
// four computing steps, and the table search. No Qt, no drawing.
#include "model/chain.h"
#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <string>

namespace {

using kestrel::State;

// A cambered profile, the window's scroll positions: thickness 12 and camber 4 hundredths,
// angle of attack 5 degrees, moment reference at 25 hundredths of the chord.
constexpr int kThickness = 12;
constexpr int kCamber = 4;
constexpr int kAlfa = 5;
constexpr int kMomentReference = 25;

// The numbers of the window's full chain, as the window and kestrel-calc run it.
bool runChain(State& s, int points) {
    kestrel::ChainInputs inputs;
    inputs.thickness = kThickness;
    inputs.camber = kCamber;
    inputs.points = points;
    inputs.alpha = kAlfa;
    inputs.xm = kMomentReference;
    kestrel::ChainValues values;
    kestrel::computeChain(kestrel::chainOf(kestrel::kFullChain), s, inputs, values);
    benchmark::DoNotOptimize(values);
    return !values.tableMiss;
}

// A started state on which one chain has run and produced finite numbers; the skip message
// otherwise, so a benchmark never times a table miss or a broken profile.
std::string prepare(State& s, int points) {
    kestrel::startUp(s);
    if (!runChain(s, points)) {
        return "profile not in the table";
    }
    for (long j = 1; j <= points; ++j) {
        if (!std::isfinite(s.Cp[j]) || !std::isfinite(s.xProf[j])) {
            return "non-finite point " + std::to_string(j);
        }
    }
    if (!std::isfinite(s.CLcur) || !std::isfinite(s.CMarr[kestrel::kCurveLast])) {
        return "non-finite coefficient";
    }
    return {};
}

void BM_FullChain(benchmark::State& bench) {
    const int points = static_cast<int>(bench.range(0));
    State s;
    if (const std::string problem = prepare(s, points); !problem.empty()) {
        bench.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : bench) {
        runChain(s, points);
        // Every result lives in the state: make its stores count as observed.
        benchmark::ClobberMemory();
    }
    bench.SetLabel("t/c 0.12, f/c 0.04, alpha 5, xM 0.25");
}
BENCHMARK(BM_FullChain)->Arg(51)->Arg(101)->Unit(benchmark::kMicrosecond);

// The four steps of the chain at nP = 101, each on a state the previous steps have prepared,
// to show where the chain's time goes.
void BM_ProfileStep(benchmark::State& bench) {
    State s;
    if (const std::string problem = prepare(s, 101); !problem.empty()) {
        bench.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : bench) {
        kestrel::setProfileInputs(s, kThickness, kCamber, 101);
        const bool found = kestrel::computeProfile(s);
        benchmark::DoNotOptimize(found);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ProfileStep)->Unit(benchmark::kMicrosecond);

void BM_PressureStep(benchmark::State& bench) {
    State s;
    if (const std::string problem = prepare(s, 101); !problem.empty()) {
        bench.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : bench) {
        kestrel::setAngleInput(s, kAlfa);
        kestrel::computePressure(s);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PressureStep)->Unit(benchmark::kMicrosecond);

void BM_LiftCurveStep(benchmark::State& bench) {
    State s;
    if (const std::string problem = prepare(s, 101); !problem.empty()) {
        bench.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : bench) {
        kestrel::computeLiftCurve(s);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LiftCurveStep)->Unit(benchmark::kMicrosecond);

void BM_MomentCurveStep(benchmark::State& bench) {
    State s;
    if (const std::string problem = prepare(s, 101); !problem.empty()) {
        bench.SkipWithError(problem.c_str());
        return;
    }
    for (auto _ : bench) {
        kestrel::setMomentReference(s, kMomentReference);
        const double moment = kestrel::computeMomentCurve(s);
        benchmark::DoNotOptimize(moment);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MomentCurveStep)->Unit(benchmark::kMicrosecond);

// The table search scans from row 1, so the first, a middle and the last row span its cost.
void BM_TableSearch(benchmark::State& bench) {
    const long row = bench.range(0);
    State s;
    kestrel::startUp(s);
    double thickness = s.table.KatJo_tc[row];
    double camber = s.table.KatJo_fc[row];
    if (kestrel::findTableRow(s, thickness, camber) != row) {
        bench.SkipWithError("the search does not find the row's own t/c and f/c");
        return;
    }
    for (auto _ : bench) {
        // Hide the inputs' values from the optimiser so every search is made afresh.
        benchmark::DoNotOptimize(thickness);
        benchmark::DoNotOptimize(camber);
        const long found = kestrel::findTableRow(s, thickness, camber);
        benchmark::DoNotOptimize(found);
    }
    bench.SetLabel("row " + std::to_string(row));
}
BENCHMARK(BM_TableSearch)->Arg(1)->Arg(248)->Arg(kestrel::kKatJoLast);

} // namespace

BENCHMARK_MAIN();
