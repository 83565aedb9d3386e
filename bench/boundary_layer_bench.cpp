// SPDX-License-Identifier: MIT
// Benchmarks of the boundary layer: one state's layer on both sides (edge speed, laminar,
// transition, turbulent, drag), a drag polar of the window's 21 angles, and `kestrel-calc polar`
// as a whole process, started afresh each time.
#include "model/boundary_layer.h"
#include "model/profile.h"
#include "model/startup.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using kestrel::State;

struct LayerCase {
    int thickness;
    int camber;
    int alfa;
    double reynolds;
    const char* label;
};

constexpr LayerCase kCases[] = {{12, 4, 4, 3e6, "t/c 0.12, f/c 0.04, alpha 4, Re 3e6"},
                                {12, 0, 0, 1e6, "t/c 0.12, f/c 0, alpha 0, Re 1e6"},
                                {3, 2, 2, 1e7, "t/c 0.03, f/c 0.02, alpha 2, Re 1e7"}};

// The state of the case's profile and angle after start-up; false on a table miss.
bool prepare(benchmark::State& bench, State& s, kestrel::BoundaryLayerOptions& o) {
    const LayerCase& c = kCases[bench.range(0)];
    kestrel::startUp(s);
    kestrel::setProfileInputs(s, c.thickness, c.camber, 51);
    if (!kestrel::computeProfile(s)) {
        bench.SkipWithError("profile not in the table");
        return false;
    }
    s.AlfaD = c.alfa;
    o.reynolds = c.reynolds;
    bench.SetLabel(c.label);
    return true;
}

void BM_BoundaryLayer(benchmark::State& bench) {
    State s;
    kestrel::BoundaryLayerOptions o;
    if (!prepare(bench, s, o)) {
        return;
    }
    for (auto _ : bench) {
        const kestrel::BoundaryLayer bl = kestrel::boundaryLayer(s, o);
        benchmark::DoNotOptimize(bl);
    }
}
BENCHMARK(BM_BoundaryLayer)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The window's angles, -10 to 10 degrees in steps of 1.
void BM_Polar(benchmark::State& bench) {
    State s;
    kestrel::BoundaryLayerOptions o;
    if (!prepare(bench, s, o)) {
        return;
    }
    const std::vector<double> angles = kestrel::polarAngles(-10, 10, 1);
    for (auto _ : bench) {
        const std::vector<kestrel::PolarPoint> polar = kestrel::viscousPolar(s, angles, o);
        benchmark::DoNotOptimize(polar);
    }
}
BENCHMARK(BM_Polar)->Arg(0)->Unit(benchmark::kMillisecond);

// `kestrel-calc polar --thickness 12 --camber 4 --reynolds 3e6`, output to /dev/null, from
// start to exit: wall-clock time.
void BM_CalcPolarProcess(benchmark::State& bench) {
    std::vector<std::string> words{KESTREL_CALC, "polar", "--thickness", "12",
                                   "--camber",   "4",     "--reynolds",  "3e6"};
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    for (auto _ : bench) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            bench.SkipWithError("kestrel-calc polar did not run");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    bench.SetLabel("t/c 0.12, f/c 0.04, Re 3e6, -10 to 10 degrees");
}
BENCHMARK(BM_CalcPolarProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
