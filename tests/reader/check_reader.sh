#!/usr/bin/env bash
# What a screen reader finds in the real program (heard.txt), read from
# outside over AT-SPI on a virtual screen, in English.
# Arguments: the program, the English language folder.
set -euo pipefail
[ -n "${ON_XVFB:-}" ] || ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'kill ${app:-} $bus 2>/dev/null; wait; rm -rf "$home"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
export XDG_CONFIG_HOME="$home" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
program=$1 lang=$2 cps3=$home/cps3 sep=/
mkdir "$home/Dravomel" "$cps3"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n"DMpath"="%s"\n"CPS3"="%s"\n"Model2"=""\n' \
    "$lang" "$cps3" >"$home/Dravomel/Dravomel.reg"
start_program() {
    if [ -n "${app:-}" ]; then kill "$app"; wait "$app" || true; fi
    "$program" & app=$!
}
read_window() { "$here/read_tree.py" Dravomel "$@"; }
source "$here/follow.sh"
follow_heard
