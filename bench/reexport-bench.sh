#!/usr/bin/env bash
# Re-export benchmark (not a test): bench/reexport-bench.sh [N] [BUILD_DIR]
#
# Makes N photographs of 3 megapixels (default 200; a few distinct bases made
# with ImageMagick, cached in /tmp/pictavo-reexport), imports them into an
# album with pictavo-cli, exports the site into an empty folder, then exports
# the unchanged album into the same folder again, and prints both wall times
# and their ratio. The figure to hold: the second export takes under 5% of
# the first.
set -euo pipefail
n=${1:-200}
build=${2:-build}
cli=$(realpath "$build/cli/pictavo-cli")
work=/tmp/pictavo-reexport
. "$(dirname "$0")/photo-set.sh"
photo_set "$work" "$n" 2000 1500 4
echo "photos: ${#files[@]} x $(identify -format '%wx%h' "${files[0]}")"

album=$work/album.www
rm -f "$album"
"$cli" new "$album" >/dev/null
"$cli" import "$album" "${files[@]}" >/dev/null
cat "${files[@]}" >/dev/null  # a warm page cache for both runs

now() { date +%s.%N; }
# timed LABEL ARGS...: runs the export, prints and returns its wall time.
timed() {
  local label=$1 start
  shift
  start=$(now)
  "$cli" export "$album" --to "$work/site" --force --thumb-size 150x150 "$@" >/dev/null
  awk -v s="$start" -v e="$(now)" -v l="$label" 'BEGIN { printf "%-28s %8.3f s\n", l, e - s }' >&2
  awk -v s="$start" -v e="$(now)" 'BEGIN { printf "%.3f", e - s }'
}

rm -rf "$work/site"
first=$(timed "export into an empty folder")
second=$(timed "export again, unchanged")
awk -v a="$second" -v b="$first" 'BEGIN { printf "ratio second / first: %.1f%%\n", 100 * a / b }'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
