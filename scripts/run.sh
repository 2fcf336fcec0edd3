#!/usr/bin/env bash
# Installs what is missing, builds tavrin (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIN_TESTS=OFF >/dev/null
cmake --build build/release --target tavrin
exec build/release/tavrin "$@"
