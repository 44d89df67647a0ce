#!/usr/bin/env bash
# GUI benchmark (not a test): bench/gui-bench.sh [PHOTOS] [ROWS] [BUILD_DIR]
#
# Puts PHOTOS (default 500) 12-megapixel photographs of 1.5 MB (below the
# file list's 5 MiB thumbnail limit) in a folder of their
# own and runs gui_bench on it offscreen: the thumbnails of the file list
# and of an album folder of the photos in the album folder list (first
# screen, every tile, the longest event-loop stall, the folder shown again)
# and the album tree, album folder list and file list with ROWS (default
# 10,000) rows in one folder (time to show it, time per page of scrolling).
set -euo pipefail
n=${1:-500}
rows=${2:-10000}
build=${3:-build}
bench=$(realpath "$build/bench/gui_bench")
work=/tmp/pictavo-bench
folder=$work/gui$n
if [ ! -d "$folder" ]; then
  . "$(dirname "$0")/photo-set.sh"
  photo_set "$work/q80" "$n" 4000 3000 8 80
  mkdir -p "$folder"
  ln -t "$folder" "${files[@]}"
fi
cat "$folder"/* >/dev/null  # from the page cache, as a folder browsed twice
QT_QPA_PLATFORM=offscreen "$bench" "$folder" "$rows"
