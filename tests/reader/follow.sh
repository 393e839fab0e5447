# Follows heard.txt on one system. The caller defines start_program and
# read_window (TITLE [ROLE NAME]: prints the window's lines, then does that
# action) and sets lang, cps3 and sep; follow_heard returns 1 on a difference.
follow_heard() {
    local failed=0 title=() want=() line
    check() {
        [ ${#title[@]} -gt 0 ] || return 0
        local got
        if ! got=$(read_window "${title[@]}"); then
            echo "FAIL: reader: ${title[*]}"; failed=1
        elif [ ${#want[@]} -gt 0 ] && ! diff -u <(printf '%s\n' "${want[@]}") - <<<"$got"; then
            echo "FAIL: reader: ${title[0]} is read otherwise"; failed=1
        else
            echo "ok: reader: ${title[*]}"
        fi
        title=() want=()
    }
    while IFS= read -r line; do
        case $line in
        '#'*) ;;
        start) check; start_program ;;
        '= '*) check; IFS=$'\t' read -r -a title <<<"${line#= }" ;;
        *) line=${line//LANG/$lang} line=${line//CPS3/$cps3}; want+=("${line//\/roms/${sep}roms}") ;;
        esac
    done <"$(dirname "${BASH_SOURCE[0]}")/heard.txt"
    check
    return $failed
}
