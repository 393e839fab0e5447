#!/usr/bin/env bash
# Retakes the screenshots in docs/ from the program in ./build, in French, on a
# virtual X server with a real window manager (openbox): the main window, the
# folder picker with its frame, and both settings windows, the CPS3 one with
# its width list open. The emulator folders are made under /tmp/dravomel-demo.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${ON_XVFB:-}" ] || ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
demo=/tmp/dravomel-demo
emulators="$demo/émulateurs"
model2="$emulators/Sega Model 2 Emulator/version 1.1a/model2"
rm -rf "$demo"
mkdir -p "$demo/dravomel" "$emulators/cps3/roms" "$model2/roms" "$emulators/Jeux d'arcade" "$emulators/.wine"
cp -r resources/lang/fr "$demo/dravomel/"
trap 'kill ${app:-} $wm 2>/dev/null; wait; rm -rf "$demo"' EXIT
openbox --sm-disable >/dev/null 2>&1 & wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; do sleep 0.1; done
export XDG_CONFIG_HOME="$demo/config" QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/Dravomel"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n"DMpath"="%s"\n"CPS3"="%s"\n"Model2"="%s"\n' \
    "$demo/dravomel/fr" "$emulators/cps3" "$model2" >"$XDG_CONFIG_HOME/Dravomel/Dravomel.reg"

start() { (cd "$emulators" && exec "$OLDPWD/build/app/dravomel") & app=$!; }
shown() {  # the visible window whose title matches, once placed
    for _ in $(seq 200); do xdotool search --onlyvisible --name "$1" && break; sleep 0.05; done
    sleep 0.5
}
origin() {  # sets X, Y, WIDTH and HEIGHT of a window's inside (xdotool's are off in a frame)
    eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print "X=" $4} /Absolute upper-left Y/ {print "Y=" $4}
                                      /Width:/ {print "WIDTH=" $2} /Height:/ {print "HEIGHT=" $2}')"
}
click() { origin "$1"; xdotool mousemove $((X + $2)) $((Y + $3)) click 1; sleep 0.3; }
# The screen under a window and its frame; a skinned window's cut-out
# corners (its art's key colour) become see-through.
shoot() {  # window, file, art
    local left=0 right=0 top=0 bottom=0
    origin "$1"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' || true)
    [ -z "$extents" ] || IFS=', ' read -r left right top bottom <<<"$extents"
    xdotool mousemove 0 0
    import -window root -crop $((WIDTH + left + right))x$((HEIGHT + top + bottom))+$((X - left))+$((Y - top)) \
        +repage "$demo/shot.png"
    if [ -n "${3:-}" ]; then
        convert "$demo/shot.png" \( "$3" -fill white +opaque 'rgb(0,255,0)' -fill black -opaque 'rgb(0,255,0)' \) \
            -alpha off -compose CopyOpacity -composite "$2"
    else
        cp "$demo/shot.png" "$2"
    fi
    echo "$2"
}

start
main=$(shown '^Choix de l')
shoot "$main" docs/main-window.png resources/art/main_background.png
click "$main" 488 122
picker=$(shown '^Dossiers des')
click "$picker" 60 98  # highlights cps3
shoot "$picker" docs/folder-picker.png
click "$picker" 237 348
click "$main" 120 44
window=$(shown '^CPS 3$')
click "$window" 500 370  # opens the width list
shoot "$window" docs/cps3-window.png resources/art/settings_background.png
kill $app; wait $app || true

start
main=$(shown '^Choix de l')
click "$main" 120 196
window=$(shown '^Model 2$')
shoot "$window" docs/model2-window.png resources/art/settings_background.png
