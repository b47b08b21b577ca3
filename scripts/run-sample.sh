#!/usr/bin/env bash
# The main job on the shipped sample data: builds sylvanor-batch when needed
# and runs it over the sample batch of data/sample/, writing the plot output,
# emissions, error and details files into sample-output/.
# Usage: scripts/run-sample.sh            (build folder: build/)
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ! -f build/build.ninja ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build --target sylvanor-batch >/dev/null

mkdir -p sample-output
build/bin/sylvanor-batch \
  --plots data/sample/Sample.vxd \
  --trees data/sample/Sample.tre \
  --link data/sample/Link-Treatment.csv \
  --project data/sample/Sample.vxp \
  --out sample-output/Sample-Output.csv \
  --errors sample-output/Sample-Errors.txt \
  --details sample-output/Sample-Details.csv \
  "$@"

for file in sample-output/Sample-Output.csv sample-output/Sample-Output-Emis.csv \
  sample-output/Sample-Errors.txt sample-output/Sample-Details.csv; do
  echo
  echo "== $file (first lines)"
  head -n 6 "$file"
done
