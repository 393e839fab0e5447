#!/usr/bin/env bash
# The windows under a real window manager (openbox on a virtual X server), over
# several starts: a drop-down's list opens right below its box, a drag in the
# top strip moves each skinned window by the pointer's travel, and the
# fixed-size folder picker offers no maximise. Arguments: program, language folder.
set -euo pipefail
[ -n "${ON_XVFB:-}" ] || ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
scratch=$(mktemp -d)
trap 'kill ${app:-} $wm 2>/dev/null; wait; rm -rf "$scratch"' EXIT
openbox --sm-disable >/dev/null 2>&1 & wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do sleep 0.1; done
export XDG_CONFIG_HOME="$scratch" QT_QPA_PLATFORM=xcb
mkdir -p "$scratch/Dravomel"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n"DMpath"="%s"\n' "$2" >"$scratch/Dravomel/Dravomel.reg"

failures=0
check() {  # what was seen, then the test
    if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failures=$((failures + 1)); fi
}
near() { [ "${1#-}" -le 2 ] && [ "${2#-}" -le 2 ]; }
origin() {  # sets X, Y, WIDTH and HEIGHT of a window's inside (xdotool's are off in a frame)
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4} /Absolute upper-left Y/ {print "Y=" $4}
                                      /Width:/ {print "WIDTH=" $2} /Height:/ {print "HEIGHT=" $2}')"
}
shown() {  # the visible window whose title matches, once placed
    for _ in $(seq 200); do xdotool search --onlyvisible --name "$1" && break; sleep 0.05; done
    sleep 0.2
}
click() { origin "$1"; xdotool mousemove $((X + $2)) $((Y + $3)) click 1; }
windows() { xdotool search --onlyvisible --class dravomel | sort; }

dragMoves() {  # window, name
    origin "$1"; local x=$X y=$Y
    xdotool mousemove $((x + 300)) $((y + 10)) mousedown 1 sleep 0.2 \
        mousemove_relative 20 16 sleep 0.05 mousemove_relative 20 16 mouseup 1
    for _ in $(seq 20); do origin "$1"; [ $((X - x)),$((Y - y)) = 40,32 ] && break; sleep 0.05; done
    check "a drag by 40,32 in the $2's strip moved it by $((X - x)),$((Y - y))" \
        test $((X - x)),$((Y - y)) = 40,32
}

listOpensBelow() {  # window, drop-down's left, bottom, name
    origin "$1"; local x=$X y=$Y before list
    before=$(windows)
    xdotool mousemove $((x + $2 + 140)) $((y + $3 - 10)) click 1
    for _ in $(seq 20); do list=$(comm -13 <(echo "$before") <(windows)) && [ -n "$list" ] && break; sleep 0.05; done
    origin "$list"
    check "the $4's list opened at $((X - x - $2)),$((Y - y - $3)) from its box's bottom left" \
        near $((X - x - $2)) $((Y - y - $3))
    xdotool key Escape
}

for start in 1 2 3 4; do
    "$1" & app=$!
    main=$(shown '^Choix de l')
    dragMoves "$main" "main window"
    click "$main" 488 122
    picker=$(shown '^Emulator folders$')
    maximise=$(xprop -id "$picker" _NET_WM_ALLOWED_ACTIONS | grep -o "MAXIMIZE[A-Z_]*" | xargs || true)
    check "the picker offers no maximise${maximise:+ (it offers $maximise)}" test -z "$maximise"
    click "$picker" 237 348
    # The settings windows take turns; the list is checked before any drag.
    if [ $((start % 2)) = 1 ]; then click "$main" 110 44; name="CPS 3" bottom=93
    else click "$main" 110 196; name="Model 2" bottom=69; fi
    window=$(shown "^$name\$")
    listOpensBelow "$window" 360 $bottom "$name window's first drop-down"
    dragMoves "$window" "$name window"
    kill $app; wait $app || true
done
[ $failures = 0 ]
