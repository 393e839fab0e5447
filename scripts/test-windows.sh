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
scripts/install-deps.sh cmake ninja-build googletest mingw-w64 libstb-dev wine wine64 fonts-wine
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

# ---------------------------------------------------------------------------
# The application manifest: each program carries resources/dravomel.manifest
# as its manifest (type 24, id 1), and that says what the README promises:
# the user's own rights, Windows 7 to 11, per-monitor DPI awareness.
manifest_of() {  # manifest_of TOOL-PREFIX PROGRAM: the manifest it carries, as text
    "$1-windres" -i "$2" -O rc | sed -n '/^1 24 \/\* RT_MANIFEST \*\//,/^END/p' | sed '1,2d;$d' |
        sed 's/^ *"//; s/"$//; s/""/"/g' | tr -d '\n' | sed 's/\\n/\n/g'
}
check_manifest() {  # check_manifest TOOL-PREFIX BUILD-DIR
    local entry exe
    for entry in 'level="asInvoker"' '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' \
        '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}' '{1f676c76-80e1-4239-95bb-83d0f6d0da78}' \
        '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '>PerMonitorV2, PerMonitor<' '>true/pm<'; do
        grep -qF "$entry" resources/dravomel.manifest || { echo "the manifest lacks $entry" >&2; return 1; }
    done
    for exe in "$2/app/Dravomel.exe" "$2/app/dravomel-register.exe"; do
        manifest_of "$1" "$exe" | cmp -s - resources/dravomel.manifest ||
            { echo "$exe does not carry resources/dravomel.manifest" >&2; return 1; }
    done
}

# ---------------------------------------------------------------------------
# The windows on screens of 144 and 192 DPI: the window tests again with the
# prefix's system DPI (LogPixels) raised; each run checks that it really ran
# at that DPI. Left out: the one test of the exact 96-DPI places.
check_dpis() {  # check_dpis LOADER BUILD-DIR TESTS-LISTED
    local dpi log
    for dpi in 144 192; do
        "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
        log=$tmp/dpi-$dpi.txt
        DRAVOMEL_TEST_DPI=$dpi "$1" "$2/tests/win32_ui_tests.exe" --gtest_filter='-*MainWindowIsCentred*' \
            </dev/null >"$log" 2>&1 || true
        grep -q "^\[  PASSED  \] $(($3 - 1)) tests\." "$log" ||
            { cat "$log" >&2; echo "$2: the windows fail at $dpi DPI" >&2; return 1; }
    done
    "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
}

scripts/build-windows.sh

summary=()
counts=()
for arch in i686 x86_64; do
    if [ "$arch" = i686 ]; then dir=build-win32 loader=$wine32 why_not=$no_32bit
    else dir=build-win64 loader=$wine64 why_not=; fi
    echo "== Windows $arch ($dir): tests"
    check_resources "$arch-w64-mingw32" "$dir" || { echo "$dir: resource object incomplete" >&2; exit 1; }
    check_manifest "$arch-w64-mingw32" "$dir" || exit 1
    if [ -n "$why_not" ]; then
        summary+=("$arch: tests built but not run, since $why_not")
        continue
    fi

    "$loader" "$dir/tests/core_tests.exe" --gtest_list_tests | list_tests >"$tmp/$arch.txt"
    "$loader" "$dir/tests/win32_ui_tests.exe" --gtest_list_tests | list_tests >"$tmp/$arch-windows.txt"
    "$loader" "$dir/tests/layer_tests.exe" --gtest_list_tests | list_tests >"$tmp/$arch-layer.txt"
    ctest --test-dir "$dir" --no-tests=error --output-on-failure -j1 \
        --test-output-size-passed 65536 --output-junit junit.xml

    # Proof that each test ran: its own output says it passed.
    core=$(wc -l <"$tmp/$arch.txt")
    windows=$(wc -l <"$tmp/$arch-windows.txt")
    layer=$(wc -l <"$tmp/$arch-layer.txt")
    listed=$((core + windows + layer))
    ran=$(grep -c '\[  PASSED  \] 1 test\.' "$dir/junit.xml" || true)
    if [ "$core" -eq 0 ] || [ "$windows" -eq 0 ] || [ "$layer" -eq 0 ] || [ "$ran" -ne "$listed" ]; then
        echo "$dir: $listed tests listed but $ran ran and passed" >&2
        exit 1
    fi
    check_dpis "$loader" "$dir" "$windows" || exit 1
    shared=$(comm -12 "$tmp/linux.txt" "$tmp/$arch.txt" | wc -l)
    summary+=("$arch: $ran passed: $core of the core ($shared also on Linux, $((core - shared)) Windows-only), $layer of the layer, $windows of the windows, and $((windows - 1)) of them again at 144 and at 192 DPI")
    counts+=("$ran")
done
if [ ${#counts[@]} -eq 2 ] && [ "${counts[0]}" -ne "${counts[1]}" ]; then
    echo "i686 and x86_64 ran different tests" >&2
    exit 1
fi

# ---------------------------------------------------------------------------
# Endings and arguments, from outside the program (tests/win32/starter/):
# started as from Explorer, with no stored key, and ended as Windows ends it
# (the task bar, Task Manager, log-off), it stores both emulator folders, its
# placeholders; an argument that is no command opens the windows from
# Explorer and is an error (status 2) in a console or a script.
check_endings() {  # build folder, loader
    local dir=$1 loader=$2 key='HKCU\Software\Dravomel' program status how dropped='C:\Jeux vidéo\cps3'
    fail() { echo "$dir, endings and arguments: $*" >&2; exit 1; }
    program=$("$loader" winepath -w "$PWD/$dir/app/Dravomel.exe" </dev/null 2>/dev/null | tr -d '\r')
    start() {  # how, arguments; sets status, the program's
        "$loader" reg delete "$key" /f </dev/null >/dev/null 2>&1 || true
        status=0
        "$loader" "$dir/tests/start_program.exe" "$program" "$@" </dev/null >/dev/null 2>&1 || status=$?
    }
    stored() {  # ended by $1: status 0 and both placeholders in the key
        local count
        count=$("$loader" reg query "$key" </dev/null 2>/dev/null | tr -d '\r' | grep -cE '^ +(CPS3|Model2) +REG_SZ +\.\.\.$' || true)
        [ "$status" = 0 ] && [ "$count" = 2 ] || fail "ended by $1: status $status, $count of 2 folders stored"
    }
    for how in close sysclose session; do
        start "$how"
        stored "$how"
    done
    start close "$dropped"
    stored "close, started with $dropped"
    start console "$dropped"
    [ "$status" = 2 ] || fail "in a console, an argument that is no command gave status $status, not 2"
    status=0
    timeout 120 "$loader" "$dir/app/Dravomel.exe" wirte </dev/null >/dev/null 2>"$tmp/endings.txt" || status=$?
    [ "$status" = 2 ] && grep -q "unknown command 'wirte'" "$tmp/endings.txt" ||
        fail "from a script, an argument that is no command gave status $status: $(cat "$tmp/endings.txt")"
    echo "$dir: every ending stored both folders; arguments that are no command checked"
}
check_endings build-win64 "$wine64"
[ -n "$no_32bit" ] || check_endings build-win32 "$wine32"

echo
echo "Linux core tests: $(wc -l <"$tmp/linux.txt")," \
     "of which Linux-only: $(comm -23 "$tmp/linux.txt" "$tmp/x86_64.txt" | wc -l)"
printf 'Windows %s\n' "${summary[@]}"
echo "Windows stage took $((SECONDS - start)) s"

# ---------------------------------------------------------------------------
# What a screen reader finds in each window of the 64-bit program
# (tests/reader/heard.txt, as on Linux), read from outside it as a reader
# reads it (tests/win32/reader/), in English. The key it sets is gone after.
check_reader() {
    local reader=build-win64/tests/read_window.exe program=build-win64/app/Dravomel.exe app= status=0
    local key='HKCU\Software\Dravomel' lang cps3='C:\emu\cps3' sep='\'
    lang=$("$wine64" winepath -w "$PWD/resources/lang/en" 2>/dev/null | tr -d '\r')
    for value in "DMpath=$lang" "CPS3=$cps3" "Model2="; do
        "$wine64" reg add "$key" /v "${value%%=*}" /d "${value#*=}" /f >/dev/null 2>&1
    done
    start_program() {
        if [ -n "$app" ]; then "$wine64" taskkill /im Dravomel.exe >/dev/null 2>&1 || true; wait "$app" || true; fi
        timeout 120 "$wine64" "$program" </dev/null >/dev/null 2>&1 & app=$!
    }
    read_window() { "$wine64" "$reader" --tree "$@" </dev/null | tr -d '\r'; }
    echo "== Windows x86_64: what a screen reader finds"
    source tests/reader/follow.sh
    follow_heard || status=1
    "$wine64" taskkill /im Dravomel.exe >/dev/null 2>&1 || true
    wait "$app" || true
    "$wine64" reg delete "$key" /f >/dev/null 2>&1
    [ "$status" = 0 ] || { echo "a screen reader finds the Windows program's windows otherwise" >&2; exit 1; }
}
check_reader

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
