#!/usr/bin/env bash
# The main window on a Wayland desktop (a headless Weston): it must be shaped
# there too, so no pixel of the art's lime key colour may reach the screen,
# while the window itself (its blue band) is on it.
set -euo pipefail
program="$1"
scratch=$(mktemp -d)
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cleanup() {
    kill "${app:-}" "${weston:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

weston --backend=headless-backend.so --use-pixman --socket=dravomel-test \
       --width=1024 --height=768 --debug --no-config >"$scratch/weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/dravomel-test" ] && break; sleep 0.1; done

export WAYLAND_DISPLAY=dravomel-test QT_QPA_PLATFORM=wayland XDG_CONFIG_HOME="$scratch/config"
"$program" >"$scratch/program.log" 2>&1 &
app=$!

# Shoot until the window's band is on screen.
for _ in $(seq 50); do
    sleep 0.2
    rm -f "$scratch"/wayland-screenshot*.png
    (cd "$scratch" && weston-screenshooter >/dev/null 2>&1) || continue
    shot=$(ls "$scratch"/wayland-screenshot*.png 2>/dev/null | head -n 1)
    [ -n "$shot" ] || continue
    # The band's colour near its bottom edge, where the art is untouched by text.
    band=$(convert "$shot" -fill black +opaque 'rgb(32,74,142)' -format '%[fx:mean>0?1:0]' info: 2>/dev/null || echo 0)
    [ "$band" = 1 ] && break
done
[ "${band:-0}" = 1 ] || { echo "FAIL: the window never appeared"; cat "$scratch"/*.log; exit 1; }
lime=$(convert "$shot" -fill black +opaque 'rgb(0,255,0)' -fill white -opaque 'rgb(0,255,0)' \
       -format '%[fx:round(mean*w*h)]' info:)
[ "$lime" -eq 0 ] || { echo "FAIL: $lime lime pixels on screen"; exit 1; }
# KEEP_SHOT=file.png keeps the screenshot for a look by eye.
[ -z "${KEEP_SHOT:-}" ] || cp "$shot" "$KEEP_SHOT"
echo "shaped on Wayland"
