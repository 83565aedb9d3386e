// SPDX-License-Identifier: MIT
// Benchmarks of the flow view's computing: the streamlines, the two pressure rasters and one
// whole frame of a live view, for a cambered profile, the symmetric profile and the flat plate.
#include "model/flow.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <string>

namespace {

using kestrel::Flow;
using kestrel::State;

// The three cases as scroll positions: thickness and camber in hundredths, angle in degrees.
struct Case {
    int thickness;
    int camber;
    int alfa;
    const char* label;
};

constexpr Case kCases[] = {{12, 4, 5, "t/c 0.12, f/c 0.04, alpha 5"},
                           {12, 0, 0, "t/c 0.12, f/c 0, alpha 0"},
                           {0, 0, 10, "flat plate, alpha 10"}};

// A live view of 960 x 360 pixels shows both planes side by side, 480 x 360 each. The shading
// raster has one cell per 2 x 2 pixels, which the painter smooths when it scales the raster up.
constexpr int kPlaneWidth = 480;
constexpr int kPlaneHeight = 360;
constexpr int kCellPixels = 2;

// The state after the window's chain for the case; false on a table miss.
bool prepare(State& s, const Case& c) {
    kestrel::startUp(s);
    kestrel::setProfileInputs(s, c.thickness, c.camber, 51);
    if (!kestrel::computeProfile(s)) {
        return false;
    }
    kestrel::setAngleInput(s, c.alfa);
    kestrel::computePressure(s);
    return true;
}

// Runs the body on the flow of the benchmark's case (argument 0), or reports the skip.
template <class Body> void onFlow(benchmark::State& bench, Body body) {
    const Case& c = kCases[bench.range(0)];
    State s;
    if (!prepare(s, c)) {
        bench.SkipWithError("profile not in the table");
        return;
    }
    const Flow flow(s);
    body(flow);
    bench.SetLabel(c.label);
}

void BM_Streamlines(benchmark::State& bench) {
    onFlow(bench, [&](const Flow& flow) {
        std::size_t points = 0;
        for (auto _ : bench) {
            const auto lines = flow.streamlines(Flow::kDefaultLevels);
            points = 0;
            for (const auto& line : lines) {
                points += line.points.size();
            }
            benchmark::DoNotOptimize(points);
        }
        bench.counters["points"] = static_cast<double>(points);
    });
}
BENCHMARK(BM_Streamlines)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Both planes' rasters at cells of the given size in pixels (argument 1).
void BM_Rasters(benchmark::State& bench) {
    const int cell = static_cast<int>(bench.range(1));
    onFlow(bench, [&](const Flow& flow) {
        for (auto _ : bench) {
            const auto profile = flow.profileRaster(kPlaneWidth / cell, kPlaneHeight / cell);
            const auto circle = flow.circleRaster(kPlaneWidth / cell, kPlaneHeight / cell);
            benchmark::DoNotOptimize(profile.Cp.data());
            benchmark::DoNotOptimize(circle.Cp.data());
        }
    });
}
BENCHMARK(BM_Rasters)->ArgsProduct({{0, 1, 2}, {1, kCellPixels}})->Unit(benchmark::kMillisecond);

// One frame of a live view after the angle changes: the flow, its streamlines and both rasters
// at the recommended cell size (painting not included).
void BM_LiveFrame(benchmark::State& bench) {
    const Case& c = kCases[bench.range(0)];
    State s;
    if (!prepare(s, c)) {
        bench.SkipWithError("profile not in the table");
        return;
    }
    for (auto _ : bench) {
        const Flow flow(s);
        const auto lines = flow.streamlines(Flow::kDefaultLevels);
        const auto profile =
            flow.profileRaster(kPlaneWidth / kCellPixels, kPlaneHeight / kCellPixels);
        const auto circle =
            flow.circleRaster(kPlaneWidth / kCellPixels, kPlaneHeight / kCellPixels);
        benchmark::DoNotOptimize(lines.data());
        benchmark::DoNotOptimize(profile.Cp.data());
        benchmark::DoNotOptimize(circle.Cp.data());
    }
    bench.SetLabel(c.label);
}
BENCHMARK(BM_LiveFrame)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
