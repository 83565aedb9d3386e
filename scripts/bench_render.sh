#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times `kestrel-calc render` of all five plots as PNG at scale 1, the whole command from start
# to exit (loading the program and Qt, the chain, painting, encoding and writing the files).
# Goal: under 100 ms. Builds the release preset first.
#
# KESTREL_BENCH_RENDER_RUNS (default 20) sets the number of timed runs. hyperfine is used when
# it is installed (as root the script installs the Debian package if it can); otherwise a bash
# loop times each run with date +%s%N and prints the median, mean, smallest and largest.
# The figures vary with the machine's load: run it when nothing else is building.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release -j2 --target kestrel-calc

runs="${KESTREL_BENCH_RENDER_RUNS:-20}"
calc="$PWD/build/release/cli/kestrel-calc"
out="$(mktemp -d "${TMPDIR:-/tmp}/kestrel-bench-render-XXXXXX")"
trap 'rm -rf "$out"' EXIT
command=("$calc" render --out "$out/plots" --thickness 12 --camber 4 --alpha 5 --mach 0.3
         --format png --scale 1)

if ! command -v hyperfine >/dev/null && [ "$(id -u)" -eq 0 ]; then
    apt-get install -y -qq hyperfine >/dev/null 2>&1 || true
fi

echo "=== kestrel-calc render: five PNG plots at scale 1, $runs runs ==="
if command -v hyperfine >/dev/null; then
    # The command line is passed as one shell word per argument.
    hyperfine --warmup 3 --runs "$runs" --shell=none "$(printf '%q ' "${command[@]}")"
    exit 0
fi

"${command[@]}" >/dev/null # warm-up: fills the file-system cache and Qt's font cache
times=()
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "${command[@]}" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
done
printf '%s\n' "${times[@]}" | sort -n | awk '
    { t[NR] = $1; sum += $1 }
    END {
        median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "median %.1f ms, mean %.1f ms, min %.1f ms, max %.1f ms (%d runs)\n",
               median / 1000, sum / NR / 1000, t[1] / 1000, t[NR] / 1000, NR
    }'
