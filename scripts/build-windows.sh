#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64: build-win32/app/Dravomel.exe
# (i686, the one to ship) and build-win64/app/Dravomel.exe (x86_64), each one
# statically linked file that needs no DLL beside it, with the Windows tests
# that scripts/test-windows.sh runs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh cmake ninja-build googletest mingw-w64 binutils-mingw-w64 libstb-dev

# The DLLs the program may import: what every Windows has (anything else
# would have to ship beside it), less COM (ole32, oleaut32), which would slow
# every start and is loaded only when a screen reader asks.
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|msimg32|msvcrt|uxtheme|shlwapi)\.dll$'

for arch in i686 x86_64; do
    [ "$arch" = i686 ] && dir=build-win32 || dir=build-win64
    echo "== Windows $arch ($dir)"
    # The tests are listed when CTest runs them, so the build needs no Wine.
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$arch-w64-mingw32.cmake" \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST >/dev/null
    cmake --build "$dir" -j2
    exe="$dir/app/Dravomel.exe"
    dlls=$("$arch-w64-mingw32-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -u)
    others=$(grep -viE "$system_dlls" <<<"$dlls" || true)
    if [ -n "$others" ]; then
        echo "$exe imports DLLs it must not: $others" >&2
        exit 1
    fi
    echo "$exe: $(stat -c %s "$exe") bytes, imports only $(tr '\n' ' ' <<<"$dlls")"
done
