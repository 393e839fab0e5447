#!/usr/bin/env bash
# Makes the Debian package from a build, as cpack -G DEB does for a release,
# and runs Debian's own package checker on it: any error or warning fails.
set -euo pipefail
cpack="$1"
build="$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
lintian --fail-on error,warning "$scratch"/dravomel_*.deb
echo "lintian passed $(basename "$scratch"/dravomel_*.deb)"
