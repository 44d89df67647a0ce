#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each over its seed corpus
# for a bounded time: fuzz/run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-fuzz}
seconds=${2:-60}
CC=clang CXX=clang++ scripts/build.sh "$dir" -DPICTAVO_FUZZ=ON -DPICTAVO_SANITIZE=ON -DPICTAVO_BUILD_GUI=OFF \
  -DPICTAVO_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
shopt -s nullglob
for target in "$dir"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=fuzz/corpus/${name#fuzz_}
  work=$(mktemp -d)
  cp -r "$corpus"/. "$work"/ 2>/dev/null || true
  echo "-- $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=0 \
    "$work" "$corpus"
  rm -rf "$work"
done
