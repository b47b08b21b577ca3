#!/usr/bin/env bash
# Checks the layer order of the source folders: a file may include headers of
# its own folder and of the folders before it in the order below, never of a
# folder after it. Prints every include that points up and fails when there
# is one. Tests and benchmarks may include anything.
# Usage: scripts/check-layers.sh [repository root]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

order=(base platform stand treat crownfire engine io batch ui app)
declare -A rank
for i in "${!order[@]}"; do rank[${order[$i]}]=$i; done

bad=0
for own in "${order[@]}"; do
  [[ -d $own ]] || continue
  while IFS= read -r -d '' file; do
    while IFS=: read -r line text; do
      target=${text#*\"}
      target=${target%%\"*}
      folder=${target%%/*}
      [[ -n ${rank[$folder]+x} ]] || continue
      if ((rank[$folder] > rank[$own])); then
        echo "$file:$line: includes $target, a layer above $own/"
        bad=1
      fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
  done < <(find "$own" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
done
if ((bad)); then
  echo "layer order: ${order[*]}"
  exit 1
fi
echo "layers: every include points down the order (${order[*]})"
