#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Remakes the README's screenshots: the main window after Mach 0.5, thickness 12, camber 4, angle
# of attack 5 and moment reference 25, with the study window beside it on its Flow tab
# (docs/screenshot.png), on its Compressibility tab (docs/study-compressibility.png) and on its
# Boundary layer tab (docs/study-boundary-layer.png); the Theory tab at 12/4, 5 degrees and at
# 3/0, 0 degrees, and the Compressibility tab at 12/4, 5 degrees, Mach 0.55
# (docs/study-theory*.png, docs/study-sonic.png); that profile kept for comparison against the
# same without camber (docs/study-comparison.png); drawn on Qt's offscreen platform; and the
# main window at 200 % (docs/zoom-200.png) on a large virtual screen of Xvfb, which holds it whole.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target kestrel-screenshot
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/screenshot.png flow
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/study-compressibility.png \
    compressibility
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/study-boundary-layer.png \
    boundary-layer
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/study-theory.png theory 12 4 5 0
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/study-theory-symmetric.png \
    theory 3 0 0 0
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/study-sonic.png \
    compressibility 12 4 5 0.55
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/study-comparison.png comparison
xvfb-run -a -s "-screen 0 3840x2160x24" build/release/app/kestrel-screenshot docs/zoom-200.png 2
echo "wrote docs/screenshot.png, docs/study-compressibility.png, docs/study-boundary-layer.png," \
    "docs/study-theory.png, docs/study-theory-symmetric.png, docs/study-sonic.png," \
    "docs/study-comparison.png and docs/zoom-200.png"
