#!/usr/bin/env bash
# Export benchmark (not a test): bench/export-bench.sh N [BUILD_DIR]
#
# Builds N 12-megapixel photographs with ImageMagick (cached in
# /tmp/pictavo-bench/photos), imports them into an album with pictavo-cli,
# times `pictavo-cli export` (wall time and peak memory from /usr/bin/time -v)
# and, on the same files, two side-by-side processes of Debian's
# vipsthumbnail (-s 150x150) and two of `djpeg -scale 1/8`. Prints photos
# per second, peak memory and the ratios of the times, then, with perf
# (Debian's linux-perf), the split of the export's time between decoding,
# resampling, encoding, copying the photos and writing the pages.
set -euo pipefail
n=${1:?usage: export-bench.sh N [BUILD_DIR]}
build=${2:-build}
cli=$(realpath "$build/cli/pictavo-cli")
work=/tmp/pictavo-bench
. "$(dirname "$0")/photo-set.sh"
photo_set "$work" "$n" 4000 3000 8
count=${#files[@]}
bytes=$(du -cb "${files[@]}" | tail -1 | cut -f1)
echo "photos: $count x $(identify -format '%wx%h' "${files[0]}"), $((bytes / count / 1024)) KiB each"

# The album, built fresh with the command-line tool.
album=$work/bench.www
rm -f "$album"
"$cli" new "$album" >/dev/null
"$cli" import "$album" "${files[@]}" >/dev/null

seconds() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.2f", e - s }'; }
now() { date +%s.%N; }

# Warm the page cache so every tool reads from memory.
cat "${files[@]}" >/dev/null

out=$work/site
rm -rf "$out"
start=$(now)
/usr/bin/time -v "$cli" export "$album" --to "$out" --force --thumb-size 150x150 \
  2>"$work/time.txt" >/dev/null
export_s=$(seconds "$start" "$(now)")
peak_kb=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$work/time.txt")
export_cpu=$(awk -F: '/User time|System time/ { s += $2 } END { printf "%.2f", s }' "$work/time.txt")

# The same export with copying off (gen.cpyfileauto=0): thumbnails, sizes
# and pages only, the work the two other tools are compared with.
sed 's/^gen.cpyfileauto=1/gen.cpyfileauto=0/' "$album" >"$work/bench-nocopy.www"
rm -rf "$out"
start=$(now)
"$cli" export "$work/bench-nocopy.www" --to "$out" --force --thumb-size 150x150 >/dev/null
nocopy_s=$(seconds "$start" "$(now)")

half=$(( (count + 1) / 2 ))
# run_two NAME COMMAND...: the files split over two processes side by side;
# their CPU seconds (user + system) are summed into $work/NAME.cpu.
run_two() {
  local name=$1
  shift
  /usr/bin/time -f "%U %S" -o "$work/$name.1" "$@" "${files[@]:0:$half}" &
  local first=$!
  /usr/bin/time -f "%U %S" -o "$work/$name.2" "$@" "${files[@]:$half}" &
  wait "$first" $!
  cat "$work/$name.1" "$work/$name.2" | awk '{ s += $1 + $2 } END { printf "%.2f", s }' \
    >"$work/$name.cpu"
}
vips_out=$work/vips
rm -rf "$vips_out" && mkdir -p "$vips_out"
start=$(now)
run_two vips vipsthumbnail -s 150x150 -o "$vips_out/%s.jpg"
vips_s=$(seconds "$start" "$(now)")

start=$(now)
run_two djpeg bash -c 'for f in "$@"; do djpeg -scale 1/8 "$f" >/dev/null; done' djpeg-loop
djpeg_s=$(seconds "$start" "$(now)")

rate() { awk -v n="$count" -v s="$1" 'BEGIN { printf "%.1f", n / s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "cores: $(nproc); wall seconds, and CPU seconds (user + system, less disturbed by other load)"
echo "pictavo-cli export:       ${export_s} s wall  ${export_cpu} s CPU  $(rate "$export_s") photos/s  peak $((peak_kb / 1024)) MiB"
echo "  without copying photos: ${nocopy_s} s wall"
echo "vipsthumbnail x2:         ${vips_s} s wall  $(cat "$work/vips.cpu") s CPU  $(rate "$vips_s") photos/s"
echo "djpeg -scale 1/8 x2:      ${djpeg_s} s wall  $(cat "$work/djpeg.cpu") s CPU  $(rate "$djpeg_s") photos/s"
echo "export / vipsthumbnail: wall $(ratio "$export_s" "$vips_s"), CPU $(ratio "$export_cpu" "$(cat "$work/vips.cpu")")"
echo "export / djpeg:         wall $(ratio "$export_s" "$djpeg_s"), CPU $(ratio "$export_cpu" "$(cat "$work/djpeg.cpu")")"
echo "load average after the run: $(cut -d' ' -f1-3 /proc/loadavg)"

# Where the export's time goes: one more export under perf (cpu-clock
# samples with DWARF call stacks), each phase's share of all samples taken
# inclusively at the function that does it.
if ! command -v perf >/dev/null; then
  echo "time split: perf not found (Debian's linux-perf)"
  exit 0
fi
rm -rf "$out"
perf record -q -e cpu-clock -F 200 --call-graph dwarf,16384 -o "$work/perf.data" \
  "$cli" export "$album" --to "$out" --force --thumb-size 150x150 >/dev/null 2>&1
perf report -i "$work/perf.data" --children --sort sym --stdio -g none 2>/dev/null \
  >"$work/perf.txt"
share() { # FUNCTION: its inclusive share of the samples, in per cent
  awk -v f="$1" '$NF == f { gsub(/%/, "", $1); if ($1 > s) s = $1 } END { printf "%5.1f", s }' \
    "$work/perf.txt"
}
echo "time split (share of all CPU samples of the export):"
echo "  decoding         $(share pictavo::SourceImage::decodeUpright) %"
echo "  resampling       $(share pictavo::RasterImage::resample) %"
echo "  encoding         $(share pictavo::encodeImage) %"
echo "  copying photos   $(share pictavo::copyFileData) %"
echo "  writing pages    $(share pictavo::generateSite) % (walking the album, both passes)"
