#!/usr/bin/env bash
# Cross-builds the Windows program and its tests for 32-bit (i686) and 64-bit
# (x86_64) Windows (scripts/build-windows.sh) and runs the tests under Wine, in
# a throw-away Wine prefix whose registry the stored-settings tests and the
# windows use, with no display. Prints how many tests really ran on each and
# how the core's compare with the Linux core tests.
# The i686 tests run only where the kernel runs 32-bit programs (elsewhere they
# are built but not run); DRAVOMEL_NO_32BIT=1 acts as if it did not.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

# 32-bit Windows programs need the 32-bit Wine, from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run this as root first: dpkg --add-architecture i386" >&2
        exit 1
    fi
    dpkg --add-architecture i386
fi
scripts/install-deps.sh cmake ninja-build googletest mingw-w64 wine wine64 fonts-wine
# Where the kernel runs no 32-bit programs, wine32's (or its libraries') own
# install scripts may fail to run them: what counts is that its files are there.
unpacked() {
    dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null |
        grep -qE '^(installed|unpacked|half-configured|triggers-(awaiting|pending))$'
}
unpacked wine32:i386 || scripts/install-deps.sh wine32:i386 || unpacked wine32:i386 ||
    { echo "wine32:i386 is not installed" >&2; exit 1; }

# Whether this machine runs 32-bit programs: start the 32-bit Wine loader.
# Only "Exec format error" means it does not; any other failure is a fault.
# The 64-bit loader runs everything else, whatever the answer.
wine64=/usr/lib/wine/wine64 wine32=/usr/lib/wine/wine
no_32bit=
if [ "${DRAVOMEL_NO_32BIT:-0}" != 0 ]; then
    no_32bit="DRAVOMEL_NO_32BIT is set"
elif ! probe=$(export LC_ALL=C; "$wine32" --version 2>&1); then
    grep -q 'Exec format error' <<<"$probe" || { echo "$probe" >&2; exit 1; }
    no_32bit="this machine's kernel runs no 32-bit programs ($wine32: Exec format error)"
fi

# Scratch space for this run only: the test lists and a fresh Wine prefix.
tmp=$(mktemp -d /tmp/dravomel-windows.XXXXXX)
stop_wine() {
    if [ -n "${WINEPREFIX:-}" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap stop_wine EXIT

# The Linux core tests and program, to compare with: scripts/test.sh has
# made them; run alone, this script makes them.
linux_tests=build/tests/core_tests linux_program=$PWD/build/app/dravomel
if [ ! -x "$linux_tests" ] || [ ! -x "$linux_program" ]; then
    scripts/install-deps.sh
    cmake -S . -B build -G Ninja >/dev/null
    cmake --build build -j2 --target core_tests dravomel
fi
list_tests() {  # gtest's listing on stdin, one Suite.Test per line out
    tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }' | sort
}
"$linux_tests" --gtest_list_tests | list_tests >"$tmp/linux.txt"

# A fresh prefix, never the user's own; no menu entries, no Mono or Gecko
# prompts.
export WINEPREFIX=$tmp/prefix WINEARCH=win64 WINEDEBUG=-all
# Accented names pass between Linux and Wine in UTF-8 whatever the machine's
# locale: in the C locale Wine would mangle them on the command line.
export LC_ALL=C.UTF-8
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"

# Warm-up: make the prefix, give it drive T:, a scratch folder whose root a
# test may write, and let that first wineserver end. Then one persistent
# wineserver for the whole stage, whose background services start here with
# their output going to a file: started by a test, they would hold CTest's
# pipes open.
"$wine64" wineboot --init </dev/null >"$tmp/warm-up.log" 2>&1 || { cat "$tmp/warm-up.log" >&2; exit 1; }
mkdir "$tmp/drive_t"
ln -s "$tmp/drive_t" "$WINEPREFIX/dosdevices/t:"
export DRAVOMEL_TEST_DRIVE=T:
# The windows are made and drawn in memory, with no display at all; in Tahoma,
# which a fresh prefix lacks.
"$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >>"$tmp/warm-up.log" 2>&1
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
wineserver -w
wineserver -p </dev/null >/dev/null 2>&1
"$wine64" cmd /c exit </dev/null >>"$tmp/warm-up.log" 2>&1

check_resources() {  # the resource object carries the icon and the version record
    local rc
    rc=$("$1-windres" -J coff -O rc -i "$2/CMakeFiles/dravomel_resources.dir/resources/dravomel.rc.res")
    grep -q '"MAINICON" 14 /\* RT_GROUP_ICON \*/' <<<"$rc" &&
        grep -q 'Has 9 elements' <<<"$rc" &&
        grep -q 'FILEVERSION 1, 0, 1, 1' <<<"$rc" &&
        grep -q 'VALUE "OriginalFilename", "Dravomel.exe"' <<<"$rc" &&
        grep -q 'VALUE "Translation", 0x40c, 1252' <<<"$rc"
}

scripts/build-windows.sh

summary=()
counts=()
for arch in i686 x86_64; do
    if [ "$arch" = i686 ]; then dir=build-win32 loader=$wine32 why_not=$no_32bit
    else dir=build-win64 loader=$wine64 why_not=; fi
    echo "== Windows $arch ($dir): tests"
    check_resources "$arch-w64-mingw32" "$dir" || { echo "$dir: resource object incomplete" >&2; exit 1; }
    if [ -n "$why_not" ]; then
        summary+=("$arch: tests built but not run, since $why_not")
        continue
    fi

    "$loader" "$dir/tests/core_tests.exe" --gtest_list_tests | list_tests >"$tmp/$arch.txt"
    "$loader" "$dir/tests/win32_ui_tests.exe" --gtest_list_tests | list_tests >"$tmp/$arch-windows.txt"
    ctest --test-dir "$dir" --no-tests=error --output-on-failure -j1 \
        --test-output-size-passed 65536 --output-junit junit.xml

    # Proof that each test ran: its own output says it passed.
    core=$(wc -l <"$tmp/$arch.txt")
    windows=$(wc -l <"$tmp/$arch-windows.txt")
    listed=$((core + windows))
    ran=$(grep -c '\[  PASSED  \] 1 test\.' "$dir/junit.xml" || true)
    if [ "$core" -eq 0 ] || [ "$windows" -eq 0 ] || [ "$ran" -ne "$listed" ]; then
        echo "$dir: $listed tests listed but $ran ran and passed" >&2
        exit 1
    fi
    shared=$(comm -12 "$tmp/linux.txt" "$tmp/$arch.txt" | wc -l)
    summary+=("$arch: $ran passed: $core of the core ($shared also on Linux, $((core - shared)) Windows-only), $windows of the windows")
    counts+=("$ran")
done
if [ ${#counts[@]} -eq 2 ] && [ "${counts[0]}" -ne "${counts[1]}" ]; then
    echo "i686 and x86_64 ran different tests" >&2
    exit 1
fi

echo
echo "Linux core tests: $(wc -l <"$tmp/linux.txt")," \
     "of which Linux-only: $(comm -23 "$tmp/linux.txt" "$tmp/x86_64.txt" | wc -l)"
printf 'Windows %s\n' "${summary[@]}"
echo "Windows stage took $((SECONDS - start)) s"

# ---------------------------------------------------------------------------
# The packages (scripts/package-windows.sh): both are built; the 64-bit ones
# are installed, run and removed here, as the 64-bit loader works everywhere.
check_packages() {
    local pkg=$tmp/packages version dir=$PWD/build-win64 root=$PWD
    fail() { echo "Windows packages: $*" >&2; exit 1; }
    win() { "$wine64" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
    value() { win reg query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"; }
    echo "== Windows packages"
    scripts/package-windows.sh | grep ' bytes$'
    version=$(sed -n 's/^project(Dravomel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    mkdir -p "$pkg/roms" "$pkg/emu"
    cd "$pkg"
    # A silent installer or uninstaller returns before its work ends; only
    # the end of the wineserver says it has ended, so this stage needs one
    # that is not persistent.
    wineserver -k; wineserver -w

    # Installed silently, for this user, with the French texts; the user's
    # own emulator folder is already in the key.
    win reg add 'HKCU\Software\Dravomel' /v CPS3 /d 'C:\emu\cps3' /f >/dev/null
    "$wine64" "$dir/Dravomel-$version-win64-setup.exe" /S || fail "the installer failed"
    wineserver -w
    local inst programs folder
    inst="$(win cmd /c echo %LOCALAPPDATA%)\\Programs\\Dravomel"
    programs="$(win cmd /c echo %APPDATA%)\\Microsoft\\Windows\\Start Menu\\Programs"
    folder=$(win winepath -u "$inst")
    [ "$(value 'HKCU\Software\Dravomel' DMpath)" = "$inst\\fr" ] || fail "DMpath is not $inst\\fr"
    for file in Dravomel.exe dravomel-register.exe fr/LNGFILE en/LNGFILE LICENSE.txt README.txt Uninstall.exe; do
        [ -f "$folder/$file" ] || fail "$file is not installed"
    done
    [ -f "$(win winepath -u "$programs\\Dravomel.lnk")" ] || fail "no Start-menu entry"
    local entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dravomel'
    [ "$(value "$entry" DisplayName) $(value "$entry" DisplayVersion) $(value "$entry" DisplayIcon)" = \
      "Dravomel $version $inst\\Dravomel.exe,0" ] || fail "installed-programs entry incomplete"

    # The installed program reads the French file's accents as the Linux one
    # reads the UTF-8 original, and writes the same file from the command line.
    # (Their last lines name the file, in each system's own way.)
    win "$inst\\Dravomel.exe" check-language "$inst\\fr\\LNGFILE" | iconv -f WINDOWS-1252 -t UTF-8 | sed '$d' >windows.txt
    "$linux_program" check-language "$root/resources/lang/fr/LNGFILE" | sed '$d' >linux.txt
    cmp -s windows.txt linux.txt || fail "check-language differs: $(diff windows.txt linux.txt | head -5)"
    # Started as from the Start menu, its main window shows the French
    # texts (lines 2 and 4, counted from 0), read from outside as a screen
    # reader reads them; closed as the user closes it.
    shows_french() {
        local line
        for line in 2 4; do
            grep -qxF "$(sed -n "$((line + 1))p" "$root/resources/lang/fr/LNGFILE")" "$1" || return 1
        done
    }
    timeout 120 "$wine64" "$inst\\Dravomel.exe" </dev/null >/dev/null 2>&1 &
    win "$dir/tests/read_window.exe" 30 >shown.txt || fail "the installed program showed no readable window"
    win taskkill /im Dravomel.exe >/dev/null
    wait
    shows_french shown.txt || fail "the main window shows no French lines 2 and 4: $(tr '\n' '|' <shown.txt)"
    local options=(write model2 emu --rom-folder roms --filtering trilinear --wireframe 1)
    "$wine64" "$inst\\Dravomel.exe" "${options[@]}" >/dev/null 2>&1 || fail "the command-line write failed"
    mv emu/EMULATOR.INI windows.ini
    "$linux_program" "${options[@]}" >/dev/null
    # The same bytes, but for the ROM folder, spelt as each system spells it.
    local roms
    roms=$(win winepath -w "$pkg/roms")
    sed "s|=$pkg/roms\r\$|=${roms//\\/\\\\}\r|" emu/EMULATOR.INI | cmp - windows.ini ||
        fail "the Windows EMULATOR.INI differs from the Linux one"

    # English on choice, over the first install.
    "$wine64" "$dir/Dravomel-$version-win64-setup.exe" /S /TEXTS=en || fail "the installer failed"
    wineserver -w
    [ "$(value 'HKCU\Software\Dravomel' DMpath)" = "$inst\\en" ] || fail "/TEXTS=en did not choose English"

    # Uninstalled silently: its files, entries and DMpath go; the emulator
    # folder and EMULATOR.INI stay.
    "$wine64" "$inst\\Uninstall.exe" /S || fail "the uninstaller failed"
    wineserver -w
    [ ! -e "$folder" ] || fail "$folder is left after uninstalling"
    [ ! -e "$(win winepath -u "$programs\\Dravomel.lnk")" ] || fail "Start-menu entry left"
    [ -z "$(value "$entry" DisplayName)" ] || fail "installed-programs entry left"
    [ -z "$(value 'HKCU\Software\Dravomel' DMpath)" ] || fail "DMpath left after uninstalling"
    [ "$(value 'HKCU\Software\Dravomel' CPS3)" = 'C:\emu\cps3' ] || fail "uninstalling removed CPS3"
    [ -f emu/EMULATOR.INI ] || fail "uninstalling removed an EMULATOR.INI"

    # ---------------------------------------------------------------------
    # What the user had stays: their own DMpath (with a LNGFILE) and a
    # README.txt in the chosen folder, named outside the code page as an
    # account "Łukasz" is, are kept by an install and by each uninstall;
    # /REPLACE takes the DMpath over, and the program there shows its texts.
    mkdir own ŁukaszΩ && cp "$dir/packaging/windows/en/LNGFILE" own/ && echo mine >ŁukaszΩ/README.txt
    local own target setup=("$wine64" "$dir/Dravomel-$version-win64-setup.exe" /S)
    own=$(win winepath -w "$pkg/own") target=$(win winepath -w "$pkg/ŁukaszΩ")
    win reg add 'HKCU\Software\Dravomel' /v DMpath /d "$own" /f >/dev/null
    uninstall_leaves_mine() {
        [ "$(cat ŁukaszΩ/README.txt)" = mine ] || fail "the installer overwrote the user's README.txt"
        "$wine64" "$target\\Uninstall.exe" /S && wineserver -w || fail "the uninstaller failed"
        [ "$(value 'HKCU\Software\Dravomel' DMpath)|$(ls ŁukaszΩ)|$(cat ŁukaszΩ/README.txt)" = "$own|README.txt|mine" ] ||
            fail "uninstalled: $(value 'HKCU\Software\Dravomel' DMpath), $(ls ŁukaszΩ | tr '\n' ' ')"
    }
    "${setup[@]}" "/D=$target" && wineserver -w || fail "the installer failed"  # /D= takes no quotes
    [ "$(value 'HKCU\Software\Dravomel' DMpath)" = "$own" ] || fail "the installer replaced the user's DMpath"
    uninstall_leaves_mine
    "${setup[@]}" /REPLACE "/D=$target" && wineserver -w || fail "the installer failed"
    timeout 120 "$wine64" "$target\\Dravomel.exe" </dev/null >/dev/null 2>&1 &
    win "$dir/tests/read_window.exe" 30 >shown.txt && win taskkill /im Dravomel.exe >/dev/null; wait
    shows_french shown.txt || fail "installed in $target, no French texts: $(tr '\n' '|' <shown.txt)"
    uninstall_leaves_mine
    win reg delete 'HKCU\Software\Dravomel' /v DMpath /f >/dev/null
    # ---------------------------------------------------------------------

    # The portable folder, unzipped where a French user's folder name has an
    # accent: its French first start stores that folder's French texts, and
    # the program it starts shows them. Last, as it leaves Dravomel running.
    mkdir "Jeux vidéo"
    (cd "Jeux vidéo" && cmake -E tar xf "$dir/Dravomel-$version-win64-portable.zip")
    local portable
    portable=$(win winepath -w "$pkg/Jeux vidéo/Dravomel-$version-win64-portable")
    win cmd /c call "$portable\\Lancer Dravomel (francais).cmd" >/dev/null
    win "$dir/tests/read_window.exe" 30 >shown.txt || fail "the portable first start showed no readable window"
    grep -qxF "$portable\\fr" shown.txt && shows_french shown.txt ||
        fail "the portable first start does not show its French folder's texts: $(tr '\n' '|' <shown.txt)"
    cd "$root"
    echo "Windows packages: installed, checked and removed; portable first start checked"
}
check_packages
