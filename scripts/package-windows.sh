#!/usr/bin/env bash
# Builds the Windows packages on Linux: for the 32-bit program (the one to
# offer, it runs on every Windows) into build-win32/, and for the 64-bit one
# into build-win64/:
#   Dravomel-<version>-win32-setup.exe     installer (NSIS), per user
#   Dravomel-<version>-win32-portable.zip  portable folder
# and -win64- likewise.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh cmake ninja-build googletest mingw-w64 libstb-dev nsis

for arch in i686 x86_64; do
    [ "$arch" = i686 ] && dir=build-win32 || dir=build-win64
    echo "== Windows packages, $arch ($dir)"
    # A new build folder lists its tests when they run, not at build time:
    # this machine may not start 32-bit programs. One that scripts/test-windows.sh
    # made keeps its settings.
    discovery=()
    [ -f "$dir/CMakeCache.txt" ] || discovery=(-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST)
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$arch-w64-mingw32.cmake" "${discovery[@]}" >/dev/null
    cmake --build "$dir" -j2 --target dravomel dravomel-register windows_texts
    rm -f "$dir"/Dravomel-*-setup.exe "$dir"/Dravomel-*-portable.zip
    (cd "$dir" && cpack >/dev/null)
    for package in "$dir"/Dravomel-*-setup.exe "$dir"/Dravomel-*-portable.zip; do
        echo "$package: $(stat -c %s "$package") bytes"
    done
done
