#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Kestrel for the browser (the web preset: the WebAssembly module and its page in
# build/web/site) and serves that folder on 127.0.0.1 for a look; Ctrl+C stops the server.
#
#   scripts/web.sh [PORT]      (default 8080; 0 picks a free port)
#
# The folder is plain static files: any static web server can serve it, from anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset web >/dev/null
cmake --build --preset web -j2
echo "Serving build/web/site; open the address below in a browser."
exec node web/serve.mjs build/web/site --port "${1:-8080}"
