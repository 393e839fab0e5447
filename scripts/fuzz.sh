#!/usr/bin/env bash
# Builds the fuzz targets with clang into ./build-fuzz and runs each for the
# given number of seconds (30 by default), one after the other. The inputs
# found go on growing build-fuzz/corpus; an input that breaks a target is kept
# beside it in build-fuzz and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/install-deps.sh --fuzz
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --parallel "$(nproc)"

# fuzz TARGET [SEED FOLDER...]: new inputs go to build-fuzz/corpus/TARGET only.
fuzz() {
    local target="$1"; shift
    local corpus="build-fuzz/corpus/$target" log="build-fuzz/$target.log" options=()
    [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
    mkdir -p "$corpus"
    if ! "build-fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
            -artifact_prefix="build-fuzz/$target-" "${options[@]}" \
            "$corpus" "tests/fuzz/corpus/$target" "$@" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "$target: the fuzzer found a fault; the input is kept in build-fuzz/" >&2
        return 1
    fi
    echo "$target: $(grep -oE 'Done [0-9]+ runs in [0-9]+' "$log" | sed -E 's/Done (.*)/\1 s/'), nothing found"
}

fuzz language_table resources/lang/*/
fuzz reg_file
