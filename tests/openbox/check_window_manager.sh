#!/usr/bin/env bash
# Under a real window manager (openbox on Xvfb), over four starts: a drop-down's
# list opens right below its box, a drag in the top strip moves each skinned
# window by the pointer's travel, and the fixed-size picker offers no maximise.
# Arguments: the program, a language folder.
set -euo pipefail
[ -n "${ON_XVFB:-}" ] || ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
home=$(mktemp -d)
trap 'kill ${app:-} $wm 2>/dev/null; wait; rm -rf "$home"' EXIT
openbox --sm-disable >/dev/null 2>&1 & wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do sleep 0.1; done
export XDG_CONFIG_HOME="$home" QT_QPA_PLATFORM=xcb
mkdir "$home/Dravomel"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n"DMpath"="%s"\n' "$2" >"$home/Dravomel/Dravomel.reg"

failed=0
check() { if "${@:2}"; then echo "ok: $1"; else echo "FAIL: $1"; failed=1; fi; }
origin() {  # sets X and Y of a window's inside (xdotool's are off in a frame)
    [ -n "$1" ] || { echo "FAIL: no window to measure" >&2; exit 1; }
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4} /Absolute upper-left Y/ {print "Y=" $4}')"
}
shown() {  # the id of the visible window named $1; a start slowed by sanitizers may take a while
    local id
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "$1" | head -n 1) && [ -n "$id" ] && break
        sleep 0.05
    done
    [ -n "$id" ] || { echo "FAIL: no window named $1 was shown" >&2; exit 1; }
    sleep 0.2; echo "$id"
}
click() { origin "$1"; xdotool mousemove $((X + $2)) $((Y + $3)) click 1; }
dragMoves() {  # window, name
    origin "$1"; local x=$X y=$Y
    xdotool mousemove $((x + 300)) $((y + 10)) mousedown 1 sleep 0.2 \
        mousemove_relative 20 16 sleep 0.05 mousemove_relative 20 16 mouseup 1
    for _ in $(seq 20); do origin "$1"; [ $((X - x)),$((Y - y)) = 40,32 ] && break; sleep 0.05; done
    check "a drag by 40,32 in the $2's strip moved it by $((X - x)),$((Y - y))" test $((X - x)),$((Y - y)) = 40,32
}

for start in 1 2 3 4; do
    "$1" & app=$!
    main=$(shown '^Choix de l')
    # Start-up makes the hidden windows just after the first frame; a press
    # that waits behind that work reaches the window manager after its release.
    sleep 1
    dragMoves "$main" "main window"
    click "$main" 488 122
    picker=$(shown '^Emulator folders$')
    maximise=$(xprop -id "$picker" _NET_WM_ALLOWED_ACTIONS | grep -o "MAXIMIZE[A-Z_]*" | xargs || true)
    check "the picker offers no maximise${maximise:+ (it offers $maximise)}" test -z "$maximise"
    click "$picker" 237 348
    # The settings windows take turns; the list of ComboBox1 (left 360) opens before any drag.
    if [ $((start % 2)) = 1 ]; then click "$main" 110 44; name="CPS 3" bottom=93
    else click "$main" 110 196; name="Model 2" bottom=69; fi
    window=$(shown "^$name\$")
    before=$(xdotool search --onlyvisible --class dravomel)
    click "$window" 500 $((bottom - 10))
    for _ in $(seq 20); do
        sleep 0.05
        list=$(xdotool search --onlyvisible --class dravomel | grep -vxF "$before" || true) && [ -n "$list" ] && break
    done
    origin "$window"; x=$X y=$Y
    origin "${list:-$window}"
    dx=$((X - x - 360)) dy=$((Y - y - bottom))
    check "the $name window's list opened at $dx,$dy from its box's bottom left" test "${dx#-}" -le 2 -a "${dy#-}" -le 2
    xdotool key Escape
    dragMoves "$window" "$name window"
    kill $app; wait $app || true
done
exit $failed
