#!/usr/bin/env bash
# Installs what is missing, builds, and starts Dravomel. Like an installer, it
# first gives a user without stored settings a key whose program folder is the
# shipped French language folder; an existing key is left alone. Without a
# display the program runs on a virtual one, a screenshot of the main window
# is saved under build/, and the program is ended.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

# The same first-run helper the installed menu entry runs, pointed at the
# shipped French folder of this checkout.
build/app/dravomel-register --folder "$PWD/resources/lang/fr"

program="$PWD/build/app/dravomel"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

screenshot="$PWD/build/main-window.png"
rm -f "$screenshot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xwininfo -root -tree | awk "/\"Choix de l/ {print \$1; exit}")
        [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 1
    [ -n "$window" ] && import -window "$window" "$2"
    kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$program" "$screenshot"
if [ -f "$screenshot" ]; then
    echo "No display: the program ran on a virtual one. Screenshot of the main window: $screenshot"
else
    echo "No display, and the main window could not be captured." >&2
    exit 1
fi
