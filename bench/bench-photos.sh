#!/usr/bin/env bash
# Makes N 12-megapixel photographs for the benchmarks with ImageMagick:
# [QUALITY=q] bench/bench-photos.sh N DIR. A few distinct photo-like bases
# are made once (cached beside DIR); the N photos cycle through them, so each
# is still a separate 12 MP JPEG: about 5.3 MB at the default quality 90,
# 1.5 MB at 80. Prints the paths of the N photos.
set -euo pipefail
n=${1:?usage: bench-photos.sh N DIR}
photos=${2:?usage: bench-photos.sh N DIR}
bases=8
quality=${QUALITY:-90}
suffix=$([ "$quality" = 90 ] || echo "-q$quality")
mkdir -p "$photos"
for b in $(seq 1 $bases); do
  base=$photos/../base$b$suffix.jpg
  [ -s "$base" ] && continue
  echo "making base photo $b of $bases" >&2
  convert -size 1000x750 plasma:fractal -seed "$b" -blur 0x1 -resize 4000x3000! \
    -attenuate 0.4 +noise Gaussian -quality "$quality" "$base"
done
for i in $(seq 1 "$n"); do
  f=$(printf '%s/photo%05d.jpg' "$photos" "$i")
  [ -s "$f" ] || cp "$photos/../base$(( (i - 1) % bases + 1 ))$suffix.jpg" "$f"
done
find "$photos" -name 'photo*.jpg' | sort | head -n "$n"
