#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Remakes the README's screenshots: the main window after Mach 0.5, thickness 12, camber 4, angle
# of attack 5 and moment reference 25, with the study window beside it on its Flow tab
# (docs/screenshot.png) and on its Compressibility tab (docs/study-compressibility.png), drawn on
# Qt's offscreen platform; and the main window at 200 % (docs/zoom-200.png) on a large virtual
# screen of Xvfb, which holds it whole.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)" --target kestrel-screenshot
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/screenshot.png flow
QT_QPA_PLATFORM=offscreen build/release/app/kestrel-screenshot docs/study-compressibility.png \
    compressibility
xvfb-run -a -s "-screen 0 3840x2160x24" build/release/app/kestrel-screenshot docs/zoom-200.png 2
echo "wrote docs/screenshot.png, docs/study-compressibility.png and docs/zoom-200.png"
