#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each over its seed corpus
# for a bounded time: fuzz/run-fuzzers.sh [BUILD_DIR]
#
# Time per target, in seconds: FUZZ_SECONDS_<name> (for example
# FUZZ_SECONDS_album=300) when set, else FUZZ_SECONDS when set, else 60 for
# the album target and 20 for every other one. The fuzzers run in a
# temporary folder, so crash and leak files never land in the repository;
# a failing target's inputs are copied to fuzz-findings/ in the repository
# root before the script stops.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
dir=$(realpath -m "${1:-build-fuzz}")
CC=clang CXX=clang++ scripts/build.sh "$dir" -DPICTAVO_FUZZ=ON -DPICTAVO_SANITIZE=ON -DPICTAVO_BUILD_GUI=OFF \
  -DPICTAVO_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo

seconds_for() {
  local name=$1 override="FUZZ_SECONDS_$1"
  if [ -n "${!override:-}" ]; then
    echo "${!override}"
  elif [ -n "${FUZZ_SECONDS:-}" ]; then
    echo "$FUZZ_SECONDS"
  elif [ "$name" = album ]; then
    echo 60
  else
    echo 20
  fi
}

# Decoders may allocate an image up to the documented pixel limit (768 MB at
# 24 bits, plus alpha) before they find the data short, and the round-trip
# targets hold a second copy; 4 GB leaves room for that without hiding a leak.
rss_limit_mb=4096

# fontconfig's caches (reached when a metafile draws text) are never freed.
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
shopt -s nullglob
for target in "$dir"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  name=${name#fuzz_}
  seconds=$(seconds_for "$name")
  work=$scratch/$name
  mkdir -p "$work/corpus"
  cp -r "$root/fuzz/corpus/$name"/. "$work/corpus"/ 2>/dev/null || true
  echo "-- fuzz_$name for ${seconds}s"
  if ! (cd "$work" && "$target" -max_total_time="$seconds" -rss_limit_mb=$rss_limit_mb -timeout=10 \
          -print_final_stats=0 corpus "$root/fuzz/corpus/$name"); then
    mkdir -p "$root/fuzz-findings"
    cp "$work"/crash-* "$work"/leak-* "$work"/oom-* "$work"/timeout-* "$root/fuzz-findings"/ 2>/dev/null || true
    echo "fuzz_$name failed; its inputs are in fuzz-findings/" >&2
    exit 1
  fi
done
