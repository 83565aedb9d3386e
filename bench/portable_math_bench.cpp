// SPDX-License-Identifier: MIT
// Benchmarks of the portable elementary functions beside the platform's own, over the arguments
// the core meets: angles, complex angles and magnitudes, logarithms of radii.
#include "model/portable_math.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <random>
#include <vector>

namespace {

namespace pm = kestrel::portable;

// 4096 arguments uniform in [low, high), the same for every run.
std::vector<double> arguments(double low, double high) {
    std::mt19937_64 generator(7);
    std::uniform_real_distribution<double> d(low, high);
    std::vector<double> v(4096);
    for (double& x : v) {
        x = d(generator);
    }
    return v;
}

// One call per argument, each result kept; items per second are calls per second.
template <class F> void callEach(benchmark::State& bench, const std::vector<double>& v, F f) {
    for (auto _ : bench) {
        double sum = 0;
        for (const double x : v) {
            sum += f(x);
        }
        benchmark::DoNotOptimize(sum);
    }
    bench.SetItemsProcessed(static_cast<long>(bench.iterations() * v.size()));
}

template <class F>
void callEachPair(benchmark::State& bench, const std::vector<double>& a,
                  const std::vector<double>& b, F f) {
    for (auto _ : bench) {
        double sum = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            sum += f(a[i], b[i]);
        }
        benchmark::DoNotOptimize(sum);
    }
    bench.SetItemsProcessed(static_cast<long>(bench.iterations() * a.size()));
}

const std::vector<double> kAngles = arguments(-7, 7);
const std::vector<double> kParts = arguments(-3, 3);
const std::vector<double> kOtherParts = arguments(-2, 4);
const std::vector<double> kRadii = arguments(1e-3, 50);

void BM_SinPortable(benchmark::State& b) {
    callEach(b, kAngles, [](double x) { return pm::sin(x); });
}
void BM_SinPlatform(benchmark::State& b) {
    callEach(b, kAngles, [](double x) { return std::sin(x); });
}
void BM_CosPortable(benchmark::State& b) {
    callEach(b, kAngles, [](double x) { return pm::cos(x); });
}
void BM_CosPlatform(benchmark::State& b) {
    callEach(b, kAngles, [](double x) { return std::cos(x); });
}
void BM_Atan2Portable(benchmark::State& b) {
    callEachPair(b, kParts, kOtherParts, [](double y, double x) { return pm::atan2(y, x); });
}
void BM_Atan2Platform(benchmark::State& b) {
    callEachPair(b, kParts, kOtherParts, [](double y, double x) { return std::atan2(y, x); });
}
void BM_HypotPortable(benchmark::State& b) {
    callEachPair(b, kParts, kOtherParts, [](double x, double y) { return pm::hypot(x, y); });
}
void BM_HypotPlatform(benchmark::State& b) {
    callEachPair(b, kParts, kOtherParts, [](double x, double y) { return std::hypot(x, y); });
}
void BM_LogPortable(benchmark::State& b) {
    callEach(b, kRadii, [](double x) { return pm::log(x); });
}
void BM_LogPlatform(benchmark::State& b) {
    callEach(b, kRadii, [](double x) { return std::log(x); });
}
void BM_ExpPortable(benchmark::State& b) {
    callEach(b, kAngles, [](double x) { return pm::exp(x); });
}
void BM_ExpPlatform(benchmark::State& b) {
    callEach(b, kAngles, [](double x) { return std::exp(x); });
}
void BM_PowPortable(benchmark::State& b) {
    callEach(b, kRadii, [](double x) { return pm::pow(x, 1.93); });
}
void BM_PowPlatform(benchmark::State& b) {
    callEach(b, kRadii, [](double x) { return std::pow(x, 1.93); });
}
void BM_DividePortable(benchmark::State& b) {
    callEachPair(b, kParts, kOtherParts, [](double x, double y) {
        return pm::divide({x, y}, {y, x}).real();
    });
}
void BM_DividePlatform(benchmark::State& b) {
    callEachPair(b, kParts, kOtherParts, [](double x, double y) {
        return std::operator/(std::complex<double>(x, y), std::complex<double>(y, x)).real();
    });
}

BENCHMARK(BM_SinPortable);
BENCHMARK(BM_SinPlatform);
BENCHMARK(BM_CosPortable);
BENCHMARK(BM_CosPlatform);
BENCHMARK(BM_Atan2Portable);
BENCHMARK(BM_Atan2Platform);
BENCHMARK(BM_HypotPortable);
BENCHMARK(BM_HypotPlatform);
BENCHMARK(BM_LogPortable);
BENCHMARK(BM_LogPlatform);
BENCHMARK(BM_ExpPortable);
BENCHMARK(BM_ExpPlatform);
BENCHMARK(BM_PowPortable);
BENCHMARK(BM_PowPlatform);
BENCHMARK(BM_DividePortable);
BENCHMARK(BM_DividePlatform);

} // namespace

BENCHMARK_MAIN();
