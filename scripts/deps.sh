#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Usage: scripts/deps.sh [--fuzz]
#   --fuzz  also the clang toolchain with libFuzzer and the sanitizer runtimes
#   --screenshots  also the virtual X display of scripts/screenshots.sh
set -euo pipefail

packages=(cmake g++ ninja-build libgtest-dev libbenchmark-dev libfmt-dev libcli11-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev)
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang libclang-rt-14-dev)
fi
if [[ "${1:-}" == "--screenshots" ]]; then
  packages+=(xvfb xauth)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
