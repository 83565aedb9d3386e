#!/usr/bin/env bash
# Installs the Debian packages that Kestrel needs to build, test and run.
# As root it installs whatever is missing; otherwise it prints the one apt-get line and stops.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-svg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev
    xvfb xauth imagemagick
    fonts-liberation fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Kestrel needs these Debian packages, which are not installed:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    echo "Run that line (or run this script as root), then try again." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
