#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser preset and measures the page in headless Chromium at a device-pixel ratio
# of 2: page load to the first painted plots (goal under 1 s), each input change answered
# including painting (goal under 16 ms), and the size of the folder of static files (goal under
# 1.5 MB); with the study panel open, each input change until the visible study tab is
# redrawn.
#
# KESTREL_BENCH_WEB_LOADS (default 10) sets the number of fresh page loads, and
# KESTREL_BENCH_WEB_CHANGES (default 40) the rounds of changes (one key press on each of the five
# scroll bars and one plot click per round).
# The figures vary with the machine's load: run it when nothing else is building.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset web >/dev/null
cmake --build --preset web -j2
node bench/web_bench.mjs build/web/site web/serve.mjs "${KESTREL_BENCH_WEB_LOADS:-10}" \
    "${KESTREL_BENCH_WEB_CHANGES:-40}"
