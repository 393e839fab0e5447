#!/usr/bin/env bash
# The real program on a virtual screen, started as from the desktop (no
# terminal, no stored key): SIGTERM (the session ends), SIGHUP (its terminal
# closed) and SIGINT (Ctrl+C) each close the main window as its close symbol
# does, so both emulator folders are stored; a second signal while it ends
# ends it at once. An argument that is no command opens the windows from the
# desktop, and is an error (status 2) typed in a terminal.
# Argument: the program.
set -euo pipefail
[ -n "${ON_XVFB:-}" ] || ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
set -m  # a program started in the background takes SIGINT, as in a terminal
program=$1
home=$(mktemp -d)
trap '[ -z "${app:-}" ] || kill "$app" 2>/dev/null || true; rm -rf "$home"' EXIT
export XDG_CONFIG_HOME="$home" QT_QPA_PLATFORM=xcb
reg=$home/Dravomel/Dravomel.reg

failed=0
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi; }
# Starts the program with no key and waits for its main window (a start
# slowed by sanitizers may take a while); false if it ends without one.
start() {
    rm -rf "$home/Dravomel"
    "$program" "$@" </dev/null >/dev/null 2>&1 & app=$!
    for _ in $(seq 600); do
        xdotool search --onlyvisible --name "^Choix de l" >/dev/null && return 0
        kill -0 "$app" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}
ended() {  # its status; one that will not end is killed (status 137)
    for _ in $(seq 1200); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
    kill -KILL "$app" 2>/dev/null || true
    status=0; wait -f "$app" || status=$?; app=
}
stored() { [ -f "$reg" ] && tr -d '\r' <"$reg" | grep -qxF '"CPS3"="..."' && tr -d '\r' <"$reg" | grep -qxF '"Model2"="..."'; }

# signal, then the arguments the desktop gives
while read -r signal arguments; do
    start $arguments || { check "started with '$arguments', the windows opened" false; ended; continue; }
    kill -s "$signal" "$app"
    ended
    check "SIG$signal${arguments:+ (started with $arguments)}: ended with status $status, both folders stored" \
        eval 'test "$status" = 0 && stored'
done <<EOT
TERM
HUP
INT
TERM /a/dropped/folder
TERM -platform offscreen
EOT

# Two signals at once: the second comes while the first is being handled.
start
kill -STOP "$app"; kill -TERM "$app"; kill -HUP "$app"; kill -CONT "$app"
ended
check "a second signal while ending ends it at once (status $status)" eval 'test "$status" = 129 -o "$status" = 143'

# Typed in a terminal, a word that is no command is still an error.
status=0
timeout -s KILL 60 script -qec "$program /a/dropped/folder" /dev/null >"$home/typed.txt" 2>&1 || status=$?
check "typed in a terminal, an argument that is no command is an error (status $status)" \
    eval 'test "$status" = 2 && grep -q "unknown command" "$home/typed.txt"'
exit $failed
