#!/usr/bin/env bash
# Installs what is missing, builds Sylvanor and runs every test.
# Usage: scripts/test.sh            (build folder: build/)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSYLVANOR_WERROR="$werror" >/dev/null
cmake --build build --parallel
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
