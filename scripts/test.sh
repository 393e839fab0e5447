#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; then builds
# the same tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-asan and runs them again there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDRAVOMEL_SANITIZE=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)"
UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
