#!/usr/bin/env bash
# Installs what is missing, builds tavrin and its tests twice (plain, and with the
# address and undefined-behaviour sanitizers) and runs every test with ctest; then fuzzes the
# site mode's plan and record readers for a minute (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh test
jobs=$(nproc)

run_tree() { # name, extra cmake arguments...
    local dir=build/$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVRIN_TESTS=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

run_tree debug
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_tree sanitize -DTAVRIN_SANITIZE=ON
bash scripts/fuzz.sh
