#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run script need,
# when any is missing; with arguments, those packages instead. As root it
# installs them; otherwise it prints the one command to run and fails.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libxkbcommon-dev libgtest-dev
          fonts-wine xvfb xauth x11-utils imagemagick
          desktop-file-utils appstream weston qt6-wayland)
# A real window manager and pointer for the window checks on X.
packages+=(openbox xdotool)
# What a screen reader finds, read over AT-SPI on its own session bus.
packages+=(at-spi2-core dbus-daemon python3-pyatspi)

# The manual pages are made with help2man; the Debian package is checked with lintian.
packages+=(help2man lintian)
# Tahoma's free stand-ins: fonts-wine for regular, DejaVu Sans Condensed for bold.
packages+=(fonts-dejavu-core fonts-dejavu-extra)
# With --fuzz: what scripts/fuzz.sh needs, clang and its sanitizer and libFuzzer runtimes.
if [ "${1:-}" = --fuzz ]; then
    packages+=(clang libclang-rt-dev)
elif [ $# -gt 0 ]; then
    # Any other arguments: exactly these packages (the Windows stage's).
    packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run this as root first:" >&2
    echo "  apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
