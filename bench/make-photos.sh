#!/usr/bin/env bash
# Makes the large photographs of the imaging benchmark with Debian's
# ImageMagick: bench/make-photos.sh [DIR] (default bench/photos, not
# committed). A fractal plasma with a little noise compresses like a real
# photograph (about 3.5 MB for 12 megapixels at quality 90): a 12-megapixel
# landscape, a 12-megapixel portrait and a 24-megapixel landscape.
set -euo pipefail
dir=${1:-$(dirname "$0")/photos}
mkdir -p "$dir"
im=/usr/bin/convert
make_photo() {  # WIDTH HEIGHT NAME
  [ -f "$dir/$3" ] && return
  $im -size "${1}x${2}" -seed 42 plasma:fractal -attenuate 0.4 +noise Gaussian \
      -quality 90 -sampling-factor 2x2 "$dir/$3"
}
make_photo 4000 3000 photo-12mp.jpg
make_photo 3000 4000 photo-12mp-portrait.jpg
make_photo 6000 4000 photo-24mp.jpg
ls -l "$dir"
