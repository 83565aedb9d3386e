#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that Kestrel needs to build, test and run, the browser build
# included (em++, Node for its tests and server, Chromium for the page's test).
# As root it installs whatever is missing; otherwise it prints the one apt-get line and stops.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev
    xvfb xauth imagemagick
    fonts-liberation fonts-dejavu-core
    appstream help2man
    locales
    emscripten node-acorn nodejs chromium
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

# A locale with a decimal comma lets the tests check that the Mach number and the numbers the
# program writes do not depend on the process's locale.
comma_locale_missing() {
    ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'
}

if [ ${#missing[@]} -eq 0 ] && ! comma_locale_missing; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    if [ ${#missing[@]} -eq 0 ]; then
        echo "Note: no de_DE.UTF-8 locale; the tests that need a decimal comma will be skipped." >&2
        exit 0
    fi
    echo "Kestrel needs these Debian packages, which are not installed:" >&2
    echo "    sudo apt-get install ${missing[*]}" >&2
    echo "Run that line (or run this script as root), then try again." >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if comma_locale_missing; then
    sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
fi
