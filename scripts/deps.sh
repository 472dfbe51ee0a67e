#!/usr/bin/env bash
# Installs whatever the build needs and this machine lacks (Debian 12 / Ubuntu 22.04 or later).
# With --tests it also installs what the tests that run outside the build need.
# Usage: scripts/deps.sh [--tests] [extra-package ...]
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core dbus-daemon)
if [ "${1:-}" = --tests ]; then
    shift
    packages+=(
        # a headless Wayland compositor with XWayland, Qt's Wayland platform, and the X tools
        # that read the program's windows there
        weston xwayland qt6-wayland x11-utils
    )
fi
packages+=("$@")
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
