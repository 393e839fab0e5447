#!/usr/bin/env bash
# Makes the Debian package from a build (check_package.sh CPACK BUILD) and runs
# lintian on it: any error or warning fails.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$1" -G DEB --config "$2/CPackConfig.cmake" -B "$scratch" >/dev/null
lintian --fail-on error,warning "$scratch"/*.deb
