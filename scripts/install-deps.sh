#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the run script need,
# when any is missing; with arguments, those packages instead. As root it
# installs them; otherwise it prints the one command to run and fails.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libxkbcommon-dev libgtest-dev
          fonts-wine xvfb xauth x11-utils imagemagick)
if [ $# -gt 0 ]; then packages=("$@"); fi

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
