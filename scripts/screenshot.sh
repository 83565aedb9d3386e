#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Remakes docs/screenshot.png: the window after Mach 0.3, thickness 12, camber 4, angle of
# attack 5 and moment reference 25, drawn on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target kestrel-screenshot
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/screenshot.png
echo "wrote docs/screenshot.png"
