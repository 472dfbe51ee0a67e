#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever this machine lacks for building the wizard, and
# with --tests for running all of its tests as well. Nothing else is installed or changed.
# Usage: scripts/deps.sh [--tests] [extra-package ...]
set -euo pipefail

# Building: the compiler and CMake, Qt 6 (its development files and the libraries they need),
# libxcb's headers (the program sets some X11 window properties itself) and a font.
packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libxcb1-dev fonts-dejavu-core)
if [ "${1:-}" = --tests ]; then
    shift
    packages+=(
        # a private session bus for the desktop portal's stand-in
        dbus-daemon dbus-bin
        # a virtual X server, a window manager and the tools that drive and read the program
        xvfb xauth openbox xdotool xclip x11-utils imagemagick
        # the accessibility bus and a screen reader's client library
        at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi
        # the sanitizers and the fuzzer: the distribution's default clang and its runtime
        clang libclang-rt-dev
        # a headless Wayland compositor with XWayland, and Qt's Wayland platform
        weston xwayland qt6-wayland
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
# Another apt-get (an unattended upgrade, the Windows toolchain's build beside the tests) may
# hold dpkg's lock for a while: wait for it rather than fail.
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}" \
    </dev/null
