#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
# Any crash, leak or sanitizer report fails the run.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

scripts/deps.sh --fuzz
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSYLVANOR_FUZZ=ON -DSYLVANOR_WERROR=ON >/dev/null
cmake --build build-fuzz --parallel

for target in column_reader_fuzz mortality_fuzz input_files_fuzz batch_fuzz; do
  corpus="build-fuzz/corpus/$target"
  log="build-fuzz/$target.log"
  mkdir -p "$corpus"
  dirs=("$corpus")
  [[ -d "tests/fuzz/seeds/$target" ]] && dirs+=("tests/fuzz/seeds/$target")
  echo "fuzzing $target for ${seconds}s"
  if ! "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
      -print_final_stats=1 "${dirs[@]}" >"$log" 2>&1; then
    tail -n 120 "$log"
    echo "fuzz target $target FAILED"
    exit 1
  fi
  grep -E "^(Done|stat::number_of_executed_units)" "$log" || tail -n 5 "$log"
done
