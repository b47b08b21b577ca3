#!/usr/bin/env bash
# The inventory benchmark on the command itself: a generated batch of
# 20 000 plots of 50 trees, each thinned to a canopy bulk density of 0.05
# kg/m3, piled and burned, run by sylvanor-batch with --jobs 1 and --jobs 2.
# Prints plots per second and the peak memory (maximum resident set size,
# from /usr/bin/time -v) of each run, and checks that both runs wrote the
# same files.
# Usage: scripts/inventory-bench.sh [plots] [trees]   (build folder: build/)
set -euo pipefail
cd "$(dirname "$0")/.."
plots=${1:-20000}
trees=${2:-50}

if [[ ! -x /usr/bin/time ]]; then
  echo "inventory-bench: /usr/bin/time is missing (Debian package 'time')" >&2
  exit 1
fi
cmake --build build --target sylvanor-batch make_batch >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
eval "$(build/bench/make_batch "$work/in" --plots "$plots" --trees "$trees" \
  --thin CanopyBulkDensity 0.05 --burn 1)"

printf '%-6s %10s %10s %14s\n' jobs seconds plots/s "peak memory"
for jobs in 1 2; do
  out="$work/out$jobs"
  mkdir -p "$out"
  /usr/bin/time -v -o "$out/time.txt" build/bin/sylvanor-batch --quiet --jobs "$jobs" \
    --plots "$plot_file" --trees "$tree_file" --link "$link_file" --project "$project_file" \
    --out "$out/out.csv" --errors "$out/errors.txt" --details "$out/details.csv" \
    --user-folder "$user_folder" >/dev/null
  seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ {n = split($2, t, ":"); s = 0;
    for (i = 1; i <= n; i++) s = s * 60 + t[i]; print s}' "$out/time.txt")
  rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$out/time.txt")
  printf '%-6s %10.1f %10.1f %11.0f MB\n' "$jobs" "$seconds" \
    "$(echo "$plots / $seconds" | bc -l)" "$(echo "$rss / 1024" | bc -l)"
done
for file in out.csv out-Emis.csv errors.txt details.csv; do
  cmp -s "$work/out1/$file" "$work/out2/$file" || echo "inventory-bench: $file differs" >&2
done
