# Sourced by the benchmarks: photo_set DIR N WIDTH HEIGHT BASES [QUALITY]
# makes N photographs of WIDTH x HEIGHT in DIR/photos (JPEG quality QUALITY,
# default 90: about 5.3 MB for 12 megapixels, 1.5 MB at 80) and lists them,
# sorted, in the array "files". A few distinct photo-like bases (a fractal
# plasma made at a quarter size, enlarged, with noise) are made once with
# ImageMagick and cached in DIR; the N photos cycle through them, so the cache is quick to
# fill and each photo is still a file of its own.
photo_set() {
  local dir=$1 n=$2 width=$3 height=$4 bases=$5 quality=${6:-90} b i base f
  mkdir -p "$dir/photos"
  for b in $(seq 1 "$bases"); do
    base=$dir/base$b.jpg
    [ -s "$base" ] && continue
    echo "making base photo $b of $bases" >&2
    convert -size "$((width / 4))x$((height / 4))" plasma:fractal -seed "$b" -blur 0x1 \
      -resize "${width}x${height}!" -attenuate 0.4 +noise Gaussian -quality "$quality" "$base"
  done
  for i in $(seq 1 "$n"); do
    f=$(printf '%s/photos/photo%05d.jpg' "$dir" "$i")
    [ -s "$f" ] || cp "$dir/base$(( (i - 1) % bases + 1 )).jpg" "$f"
  done
  mapfile -t files < <(find "$dir/photos" -name 'photo*.jpg' | sort | head -n "$n")
}
