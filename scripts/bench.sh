#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the release preset and runs Kestrel's benchmarks: the computing chain and table search,
# the compressibility analysis, thin-airfoil theory and the supersonic stretches, the boundary
# layer, the flow field and its picture, the window's drawing chain, and start-up time and peak
# memory. The window's benchmarks use Qt's offscreen platform, so no display is needed.
#
# KESTREL_BENCH_REPETITIONS (default 5) sets how often each Google Benchmark case is repeated;
# the median, mean and spread of the repetitions are printed. KESTREL_BENCH_STARTUP_RUNS
# (default 10) sets how many fresh processes the start-up benchmark starts.
# The figures vary with the machine's load: run it when nothing else is building.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j2

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
repetitions="${KESTREL_BENCH_REPETITIONS:-5}"
flags=(--benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true)

echo "=== computing chain and table search ==="
build/release/bench/kestrel_bench_model "${flags[@]}"
echo
echo "=== the portable elementary functions beside the platform's ==="
build/release/bench/kestrel_bench_portable_math "${flags[@]}"
echo
echo "=== compressibility: one state's analysis and a 100-Mach chart ==="
build/release/bench/kestrel_bench_compressibility "${flags[@]}"
echo
echo "=== theory and the surface's supersonic stretches: one state each ==="
build/release/bench/kestrel_bench_theory "${flags[@]}"
echo
echo "=== the boundary layer: one state, a 21-angle polar, kestrel-calc polar as a process ==="
build/release/bench/kestrel_bench_boundary_layer "${flags[@]}"
echo
echo "=== the flow: streamlines and pressure rasters ==="
build/release/bench/kestrel_bench_flow "${flags[@]}"
echo
echo "=== the flow picture: data, one plane, a 960 x 360 frame ==="
build/release/bench/kestrel_bench_flow_picture "${flags[@]}"
echo
echo "=== drawing chain on the main window ==="
build/release/bench/kestrel_bench_ui "${flags[@]}"
echo
echo "=== the study window: a chain's end to each tab painted, the particle animation ==="
build/release/bench/kestrel_bench_study "${flags[@]}"
echo
echo "=== a zoom change at 200 %: the main window and the study window painted again ==="
build/release/bench/kestrel_bench_zoom "${flags[@]}"
echo
echo "=== start-up and peak memory ==="
build/release/bench/kestrel_bench_startup "${KESTREL_BENCH_STARTUP_RUNS:-10}"
