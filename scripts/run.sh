#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up, builds and starts Kestrel.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target kestrel
exec build/release/app/kestrel
