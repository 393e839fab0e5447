#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop user
# gets: the programs, both language files, a valid menu entry and software
# description, the icons, the manual pages; then that dravomel-register gives
# a new user a working key and leaves an existing one alone.
set -euo pipefail
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

for program in dravomel dravomel-register; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program missing"
done
for lang in fr en; do
    file="$prefix/share/dravomel/$lang/LNGFILE"
    [ -f "$file" ] || fail "$file missing"
    lines=$(awk 'BEGIN { RS = "\r\n|\n|\r" } END { print NR }' "$file")
    [ "$lines" -ge 50 ] || fail "$file has $lines lines, fewer than 50"
done
desktop-file-validate "$prefix/share/applications/dravomel.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$prefix/share/metainfo/"*.metainfo.xml >/dev/null || fail "metainfo invalid"
for size in 16 32 48 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/dravomel.png"
    [ -f "$icon" ] || fail "$icon missing"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "$icon is not ${size}x${size}"
done

# Each manual page names every option its program's --help lists.
for program in dravomel dravomel-register; do
    page=$(man --no-hyphenation -l "$prefix/share/man/man1/$program.1.gz") || fail "no manual page for $program"
    for option in $("$prefix/bin/$program" --help | grep -o -- '--[a-z-]*[a-z]'); do
        grep -qF -- "$option" <<<"$page" || fail "$option is in $program --help but not in its manual page"
    done
done

# A new user: the key is made and points at the installed French folder.
export XDG_CONFIG_HOME="$scratch/config"
reg="$XDG_CONFIG_HOME/Dravomel/Dravomel.reg"
status=0
"$prefix/bin/dravomel-register" --folder "$scratch" 2>/dev/null || status=$?
[ "$status" -eq 2 ] && [ ! -e "$reg" ] || fail "a folder without LNGFILE was not refused ($status)"
"$prefix/bin/dravomel-register" >/dev/null
grep -qF "\"DMpath\"=\"$(realpath "$prefix/share/dravomel/fr")\"" "$reg" || fail "no DMpath for a new user: $(cat "$reg")"

# An existing key: not one byte changes, whatever language is asked for.
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Dravomel]\r\n"DMpath"="/opt/mine"\r\n"CPS3"="/emu/cps3"' > "$reg"
cp "$reg" "$scratch/before"
"$prefix/bin/dravomel-register" --lang en >/dev/null
cmp -s "$reg" "$scratch/before" || fail "an existing key was changed"
echo "installed tree checked"
