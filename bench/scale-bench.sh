#!/usr/bin/env bash
# Scale benchmark (not a test): bench/scale-bench.sh [BUILD_DIR] [SIZES...]
#
# For each size N (default 10000 and 100000) writes an album of N pages in
# folders of 100, at most ten subfolders to a folder (a third of the pages
# links, the rest pointing at a few hundred small images made once with
# ImageMagick), then times with /usr/bin/time:
#   save    open the album and write it again (pictavo-cli save)
#   dump    the album as JSON to /dev/null
#   export  the whole site into an empty folder
# and prints wall time and peak memory of each. The figures to hold: open and
# save of 100,000 items under 2 s, export peak memory under 300 MB whatever
# the size, export time growing linearly.
set -euo pipefail
build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000)
cli=$(realpath "$build/cli/pictavo-cli")
work=/tmp/pictavo-scale
images=$work/images
mkdir -p "$images"

distinct=300
if [ ! -s "$images/img$distinct.jpg" ]; then
  echo "making $distinct small images" >&2
  for i in $(seq 1 $distinct); do
    convert -size 320x240 "plasma:fractal" -seed "$i" -quality 85 "$images/img$i.jpg"
  done
fi

# write_album N FILE: the album text, written directly in the album format.
write_album() {
  python3 - "$1" "$2" "$images" "$distinct" <<'EOF'
import sys
n, path, images, distinct = int(sys.argv[1]), sys.argv[2], sys.argv[3], int(sys.argv[4])
per_folder = 100
folders = (n + per_folder - 1) // per_folder
out = open(path, "w", encoding="utf-8")
out.write("version=3\nobject=websiteproperty\ngen.title=Scale %d\n" % n)
out.write("object=layoutproperty\nlayouttype=0\nmain.cols=5\nmain.rows=4\n")

def folder(fid, depth, caption, pages):
    out.write("object=folder\nid=%d\ncol=%d\npagecount=%d\ncaption=%s\ndesc=\nurl=\n"
              "rows=-1\ncols=-1\nlnkimg=\nposstyle=2\nlnkstyle=0\n" % (fid, depth, pages, caption))

def page(pid, k):
    if k % 3 == 0:
        url, style = "http://example.com/item/%d" % k, 0
    else:
        url, style = "%s/img%d.jpg" % (images, k % distinct + 1), 2
    out.write("object=page\nid=%d\ncaption=Item %d\ndesc=Description of item %d\nurl=%s\n"
              "lnkimg=\nposstyle=2\nlnkstyle=%d\n" % (pid, k, k, url, style))

# Folders of 100 pages, grouped ten to a folder level by level, so that
# no folder has more than ten subfolders: every page lists its folder's
# siblings, and a flat tree of a thousand folders would make the site grow
# with the square of the album.
fid = 0
k = 0
def subtree(depth, leaves, caption):
    global fid, k
    fid += 1
    if leaves == 1:
        count = min(per_folder, n - k)
        folder(fid, depth, caption, count)
        for p in range(count):
            page(p, k)
            k += 1
        return
    folder(fid, depth, caption, 0)
    size = 1
    while size * 10 < leaves:
        size *= 10
    done = 0
    while done < leaves:
        part = min(size, leaves - done)
        subtree(depth + 1, part, "%s.%d" % (caption, done // size + 1))
        done += part

folder(0, 0, "Index", 0)
subtree(1, folders, "Folder")
EOF
}

# measure LABEL COMMAND...: prints the wall time and peak memory.
measure() {
  local label=$1
  shift
  /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null
  read -r seconds kib <"$work/time"
  printf '  %-7s %7.2f s  %6d MB\n' "$label" "$seconds" $((kib / 1024))
}

for n in "${sizes[@]}"; do
  album=$work/scale$n.www
  write_album "$n" "$album"
  echo "album of $n pages ($(du -h "$album" | cut -f1))"
  measure save "$cli" save "$album" "$work/resaved$n.www"
  measure dump "$cli" dump "$album"
  rm -rf "$work/site$n"
  measure export env QT_QPA_PLATFORM=offscreen "$cli" export "$album" --to "$work/site$n"
done
