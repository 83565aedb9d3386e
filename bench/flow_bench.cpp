// SPDX-License-Identifier: MIT
// Benchmarks of the flow view's computing: the streamlines, the two pressure rasters and one
// whole frame of a live view, for a cambered profile, the symmetric profile and the flat plate.
#include "bench/flow_cases.h"
#include "model/flow.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <string>

namespace {

using kestrel::Flow;
using kestrel::State;

// A live view of 960 x 360 pixels shows both planes side by side, 480 x 360 each. The shading
// raster has one cell per 2 x 2 pixels, which the painter smooths when it scales the raster up.
constexpr int kPlaneWidth = 480;
constexpr int kPlaneHeight = 360;
constexpr int kCellPixels = 2;

// Runs the body on the flow of the benchmark's case (argument 0), or reports the skip.
template <class Body> void onFlow(benchmark::State& bench, Body body) {
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
        return;
    }
    const Flow flow(s);
    body(flow);
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
    State s;
    if (!kestrel::bench::prepareBenchmarkCase(bench, s)) {
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
}
BENCHMARK(BM_LiveFrame)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
