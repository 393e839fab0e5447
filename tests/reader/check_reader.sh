#!/usr/bin/env bash
# What a screen reader finds in the real program, read from outside over
# AT-SPI on a virtual screen: each window's texts and places with their
# roles, names and actions, and the links' actions opening their windows.
# Arguments: the program, a language folder.
set -euo pipefail
[ -n "${ON_XVFB:-}" ] || ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
here=$(cd "$(dirname "$0")" && pwd)
home=$(mktemp -d)
trap 'kill ${app:-} $bus 2>/dev/null; wait; rm -rf "$home"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
export XDG_CONFIG_HOME="$home" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
mkdir "$home/Dravomel" "$home/cps3"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel]\n"DMpath"="%s"\n"CPS3"="%s"\n"Model2"=""\n' \
    "$2" "$home/cps3" >"$home/Dravomel/Dravomel.reg"

failed=0
# Reads window $1 (then presses role $2 named $3) and compares with the expected lines on stdin.
heard() {
    local got
    got=$("$here/read_tree.py" Dravomel "${@}") || { echo "FAIL: $1: reading failed"; failed=1; return; }
    if diff -u - <(printf '%s\n' "$got" | sed "s|$home|HOME|g") >"$home/diff"; then echo "ok: $1"
    else echo "FAIL: $1 is read otherwise:"; cat "$home/diff"; failed=1; fi
}
T=$'\t'
main="Choix de l'émulateur"
main_heard() {
    cat <<LINES
link${T}Émulateur CPS 3${T}Press
link${T}Émulateur Model 2${T}Press
push button${T}Dossiers des émulateurs${T}Press
push button${T}Fermer${T}Press
label${T}$1${T}
link${T}Émulateur CPS 3${T}Press
label${T}Carte d'arcade 2D : rendu, résolution, ROM${T}
label${T}Dossier de l'émulateur :${T}
label${T}HOME/cps3${T}
link${T}Émulateur Model 2${T}Press
label${T}Carte d'arcade 3D : rendu, filtrage, ROM${T}
label${T}Dossier de l'émulateur :${T}
label${T}${T}
LINES
}
picker_heard() {
    cat <<LINES
list${T}Folders${T}
combo box${T}Drive${T}ShowMenu
push button${T}CPS 3${T}Press,SetFocus
push button${T}Model 2${T}Press,SetFocus
push button${T}Fermer${T}Press,SetFocus
LINES
}
# The settings windows start with their buttons, title and ROM folder ($1).
settings_heard() {
    cat <<LINES
push button${T}Fermer${T}Press,SetFocus
push button${T}Enregistrer${T}Press,SetFocus
label${T}Réglages - Émulateur $2${T}
label${T}Dossier des ROM :${T}
label${T}$1${T}
LINES
}
named() {  # each drop-down by its heading
    for heading; do printf 'label\t%s\t\ncombo box\t%s\tShowMenu\n' "$heading" "$heading"; done
}
folders() {
    printf 'list\tDossier des ROM :\t\ncombo box\tDrive\tShowMenu\n'
}

# The main window, the picker from its folder symbol, then the CPS3 link.
"$1" & app=$!
main_heard "$2" | heard "$main" "push button" "Dossiers des émulateurs"
picker_heard | heard "Dossiers des émulateurs"
main_heard "$2" | heard "$main" link "Émulateur CPS 3"
{
    settings_heard HOME/cps3/roms "CPS 3"
    named "Forcer la synchro" "Calcul des sommets"
    printf 'label\tForcer les textures\t\nlabel\ten mémoire gérée\t\ncombo box\tForcer les textures en mémoire gérée\tShowMenu\n'
    named "Filtrage des tuiles"
    printf 'label\tRésolution en plein écran\t\n'
    named "Largeur (pixels) :" "Hauteur (pixels) :"
    folders
} | heard "CPS 3"
kill $app; wait $app || true

# The Model 2 link; the bilinear filtering is chosen, so its button is off.
"$1" & app=$!
main_heard "$2" | heard "$main" link "Émulateur Model 2"
{
    settings_heard /roms "Model 2"
    named "Moteur géométrique" "Calcul des sommets" "Affichage fil de fer" "Gouraud simulé"
    printf 'label\tFiltrage des textures\t\npush button\tAucun\tPress,SetFocus\npush button\tBilinéaire\t\n'
    printf 'push button\tTrilinéaire\tPress,SetFocus\n'
    named "Filtrage des tuiles"
    printf 'label\tForcer les textures\t\nlabel\ten mémoire gérée\t\ncombo box\tForcer les textures en mémoire gérée\tShowMenu\n'
    named "Mipmaps automatiques" "Transparence maillée"
    folders
} | heard "Model 2"
kill $app; wait $app || true
app=
exit $failed
