#!/usr/bin/env bash
# Builds a Release build into ./build-bench and prints how close Dravomel
# stays to the floor of what it does: start-up and peak memory against a bare
# Qt Widgets window, and the big-input and disk work against the plain system
# calls. Options: --runs N (starts per program, default 21).
set -euo pipefail
cd "$(dirname "$0")/.."

runs=21
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs="$2"; shift 2 ;;
        *) echo "usage: $0 [--runs N]" >&2; exit 2 ;;
    esac
done

scripts/install-deps.sh
# Only the benchmarks need these, so the test run does not install them
# (libstb-dev: the Windows build decodes its art with it).
extra=()
for p in libbenchmark-dev libxcb-damage0-dev libstb-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || extra+=("$p")
done
if [ ${#extra[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Run this as root first:" >&2
        echo "  apt-get update && apt-get install -y ${extra[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${extra[@]}"
fi

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DDRAVOMEL_BUILD_TESTS=OFF -DDRAVOMEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build-bench --parallel "$(nproc)" >/dev/null

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')," \
     "load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo

# Dravomel starts as an installed copy would: with stored settings whose
# program folder holds a language file. Its own settings are left alone.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/Dravomel"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n"DMpath"="%s"\n' \
       "$PWD/resources/lang/fr" > "$home/Dravomel/Dravomel.reg"

mkdir -m 700 "$home/runtime"
export XDG_RUNTIME_DIR="$home/runtime"

XDG_CONFIG_HOME="$home" xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    build-bench/benchmarks/first_frame --runs "$runs" \
    "$PWD/build-bench/app/dravomel" "$PWD/build-bench/benchmarks/bare_window"
echo
build-bench/benchmarks/dravomel_bench

# The Windows program under Wine, to its first painted main window, against
# a bare Win32 program showing one frameless 512 x 322 window with one label,
# both x86_64 and started the same way, with one wineserver kept running.
echo
cmake -S . -B build-bench-win64 -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake \
      -DDRAVOMEL_BUILD_TESTS=OFF -DDRAVOMEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build build-bench-win64 --parallel "$(nproc)" --target dravomel bare_window >/dev/null
wine64=/usr/lib/wine/wine64
export WINEPREFIX=$home/wine WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
"$wine64" wineboot --init >/dev/null 2>&1
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
for exe in Dravomel.exe bare_window.exe; do
    # No window manager here: Wine would wait for one at every window.
    "$wine64" reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
done
"$wine64" reg add 'HKCU\Software\Dravomel' /v DMpath /d "$("$wine64" winepath -w "$PWD/resources/lang/fr" 2>/dev/null)" /f \
    >/dev/null 2>&1
wineserver -w
for exe in build-bench-win64/app/Dravomel.exe build-bench-win64/benchmarks/bare_window.exe; do
    printf '#!/bin/sh\nexec %s %s\n' "$wine64" "$PWD/$exe" >"$home/$(basename "$exe")"
    chmod +x "$home/$(basename "$exe")"
done
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" sh -c \
    'wineserver -p; "$0" --runs "$1" "$2" "$3"; status=$?; wineserver -k; exit $status' \
    build-bench/benchmarks/first_frame "$runs" "$home/Dravomel.exe" "$home/bare_window.exe"
