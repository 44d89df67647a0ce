#!/usr/bin/env bash
# Configures and builds one build folder:
#   scripts/build.sh DIR [cmake options...]       builds everything
#   BUILD_TARGETS="a b" scripts/build.sh DIR ...  builds only those targets
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
