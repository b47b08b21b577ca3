#!/usr/bin/env bash
# Takes the pictures of the windows shown in the README, under a virtual X
# display (Xvfb): the main window with a sample plot calculated, the crown
# fire details window, the fuel and stand graphs, the emission graph, the
# retention priority sets window and the batch run window, into docs/.
# Usage: scripts/screenshots.sh   (build folder: build/; needs xvfb)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --screenshots
cmake --build build --target sylvanor-screenshots >/dev/null
xvfb-run -a -s "-screen 0 1600x1000x24" \
  build/bin/sylvanor-screenshots docs data/sample
echo "docs/main-window.png docs/crown-fire-details.png docs/fuel-stand-graph.png" \
  "docs/emission-graph.png docs/retention-priority-sets.png docs/batch-run.png"
