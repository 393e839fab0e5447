#!/usr/bin/env bash
# Takes docs/windows-*.png: the four windows of the Windows program
# (build-win64/app/Dravomel.exe) under Wine on Xvfb, each reached with the
# mouse as a user reaches it, with the French language file in the Windows
# code page and a key in Wine's registry.
# --dpi N takes them with the system at N dots per inch instead, into
# build-win64/screenshots-Ndpi/ (docs/ keeps the 96-DPI ones).
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=96 shots=docs
if [ "${1:-}" = --dpi ]; then
    dpi=$2 shots=$PWD/build-win64/screenshots-${2}dpi
    shift 2
fi

shoot() {  # shoot OUTPUT [CLIENT-X CLIENT-Y TITLE]: start, maybe click the main window, shoot a window
    (cd "$c/Emulateurs" && exec "$wine64" "$exe") >/dev/null 2>&1 &
    local main window
    main=$(xdotool search --sync --onlyvisible --name Choix | head -1)
    sleep 1
    if [ $# -gt 1 ]; then
        eval "$(xdotool getwindowgeometry --shell "$main")"
        xdotool mousemove $((X + $2 * dpi / 96)) $((Y + $3 * dpi / 96)) click 1
    fi
    window=$(xdotool search --sync --onlyvisible --name "${4:-Choix}" | head -1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$1"
    wineserver -k
    wait
}
if [ "${1:-}" = --on-display ]; then  # run again by xvfb-run, below: --on-display DPI FOLDER
    dpi=$2 shots=$3
    shoot "$shots/windows-main-window.png"
    shoot "$shots/windows-folder-picker.png" 488 122 Dossiers
    shoot "$shots/windows-cps3-window.png" 50 82 "CPS 3"
    shoot "$shots/windows-model2-window.png" 50 231 "Model 2"
    exit
fi

scripts/install-deps.sh xvfb xauth xdotool imagemagick wine64 fonts-wine
[ -x build-win64/app/Dravomel.exe ] || scripts/build-windows.sh
export exe=$PWD/build-win64/app/Dravomel.exe wine64=/usr/lib/wine/wine64
tmp=$(mktemp -d /tmp/dravomel-shots.XXXXXX)
export WINEPREFIX=$tmp/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$tmp"' EXIT
"$wine64" wineboot --init >/dev/null 2>&1
# Wine's own fonts: Tahoma, and Marlett for the picker's close box.
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
export c=$WINEPREFIX/drive_c
mkdir -p "$c/Dravomel" "$c/Emulateurs/cps3/roms" "$c/Emulateurs/model2/roms"
iconv -f UTF-8 -t CP1252 resources/lang/fr/LNGFILE >"$c/Dravomel/LNGFILE"
for value in 'DMpath C:\Dravomel' 'CPS3 C:\Emulateurs\cps3' 'Model2 C:\Emulateurs\model2'; do
    "$wine64" reg add 'HKCU\Software\Dravomel' /v "${value%% *}" /d "${value#* }" /f >/dev/null 2>&1
done
# No window manager on Xvfb: Wine would wait for one at every window.
"$wine64" reg add 'HKCU\Software\Wine\AppDefaults\Dravomel.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# The system's DPI, and a screen that grows with it.
"$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w
mkdir -p "$shots"
xvfb-run -a -s "-screen 0 $((1024 * dpi / 96))x$((768 * dpi / 96))x24 -nolisten tcp" "$0" --on-display "$dpi" "$shots"
ls -l "$shots"/windows-*.png
